#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class BookManager;
class Constants;
class PageExportJob;
class PageRenderer;
class PreviewStatusDialog;
class QProgressDialog;
class Templates;
class WindowPrompts;

// The current book's outputs, one of each kind at a time: the preview pages
// in a folder the user picks, with the preview status window, and the PDF
// file, with its progress window. Both are written on the pool while the
// user goes on editing.
class BookExports : public QObject {
    Q_OBJECT
public:
    // The windows open over prompts.Owner(). The owner of this object deletes
    // it before its windows: a job being written is waited for then.
    BookExports(BookManager& books, const Templates& templates,
                std::shared_ptr<const PageRenderer> renderer, const Constants& strings,
                const WindowPrompts& prompts);
    ~BookExports() override;

    // Asks for the folder, then writes the preview of the current book.
    void StartPreview();
    // Asks for the file, then writes the current book as a PDF.
    void StartPdf();

    PreviewStatusDialog* PreviewDialog() const { return mPreviewStatusDialog; }
    // The preview being written, null when none runs.
    PageExportJob* PreviewJob() const { return mPreviewJob.get(); }
    // The PDF being written, null when none runs.
    PageExportJob* PdfJob() const { return mPdfJob.get(); }

signals:
    // A preview or a PDF started or ended.
    void runningChanged();

private:
    void OnPreviewFinished();
    void OnPdfFinished();

    BookManager& mBooks;
    const Templates& mTemplates;
    std::shared_ptr<const PageRenderer> mRenderer;
    const Constants& mStrings;
    const WindowPrompts& mPrompts;
    PreviewStatusDialog* mPreviewStatusDialog = nullptr;
    std::unique_ptr<PageExportJob> mPreviewJob;
    std::unique_ptr<PageExportJob> mPdfJob;
    QPointer<QProgressDialog> mPdfProgress;
};
