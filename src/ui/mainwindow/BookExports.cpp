#include "ui/mainwindow/BookExports.h"

#include "base/Constants.h"
#include "base/ShellOpen.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/Templates.h"
#include "render/BookPdf.h"
#include "render/PageExport.h"
#include "render/PageExportJob.h"
#include "render/PageRenderer.h"
#include "ui/UiLog.h"
#include "ui/mainwindow/MainWindowHooks.h"
#include "ui/mainwindow/WindowPrompts.h"
#include "ui/mainwindow/dialogs/FolderBrowse.h"
#include "ui/mainwindow/dialogs/PreviewStatusDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QProgressBar>
#include <QProgressDialog>

namespace {

// The messages of the first five failures, a line each; every detail is logged.
QString ShownFailures(const std::vector<Failure>& failures, const char* output) {
    QStringList shown;
    for (const Failure& failure : failures) {
        LogFailure(lcUi(), QString::fromLatin1(output), failure);
        if (shown.size() < 5)
            shown << failure.message;
    }
    return shown.join(QLatin1Char('\n'));
}

} // namespace

BookExports::BookExports(BookManager& books, const Templates& templates,
                         std::shared_ptr<const PageRenderer> renderer, const Constants& strings,
                         const WindowPrompts& prompts)
    : mBooks(books), mTemplates(templates), mRenderer(std::move(renderer)), mStrings(strings),
      mPrompts(prompts) {
    mPreviewStatusDialog = new PreviewStatusDialog(mStrings, prompts.Owner());
    connect(mPreviewStatusDialog, &QDialog::rejected, this, [this] {
        if (mPreviewJob)
            mPreviewJob->Cancel(); // closed by the user: the pages not begun are left out
    });
}

BookExports::~BookExports() = default;

// ---- Preview

void BookExports::StartPreview() {
    const auto book = mBooks.GetBook();
    if (!book || mPreviewJob)
        return; // one preview at a time
    const MainWindowHooks& hooks = mPrompts.Hooks();
    const QString folder =
        hooks.pickPreviewFolder
            ? hooks.pickPreviewFolder()
            : BrowseForFolder(mPrompts.Owner(), mStrings.Text(u"cBrowseRootFolder"));
    if (folder.isEmpty())
        return;
    book->WaitForSaves(); // the files are of the book as saved; a failure is reported by the book
    // The plan holds snapshots of the pages: the pool renders while the user edits.
    mPreviewJob = std::make_unique<PageExportJob>(PlanPreview(*book, folder), *mRenderer);
    connect(mPreviewJob.get(), &PageExportJob::progress, mPreviewStatusDialog,
            &PreviewStatusDialog::SetStatus);
    connect(mPreviewJob.get(), &PageExportJob::finished, this, &BookExports::OnPreviewFinished);
    mPreviewStatusDialog->StatusBar()->setRange(0, 0);
    mPreviewStatusDialog->show();
    mPreviewJob->Start();
    emit runningChanged();
}

void BookExports::OnPreviewFinished() {
    PageExportJob* job = mPreviewJob.release();
    job->deleteLater(); // it is still sending this signal
    const QString folder = job->Folder();
    const PageExportResult& result = job->Result();
    const QString failures =
        ShownFailures(result.failures, "Preview"); // logged even when cancelled
    mPreviewStatusDialog->hide();
    emit runningChanged();
    if (result.cancelled)
        return;
    const auto pages = [](qsizetype n) { return n == 1 ? tr("1 page") : tr("%1 pages").arg(n); };
    QString text = tr("The preview is ready: %1 in").arg(pages(result.written)) +
                   QStringLiteral("\n%1\n").arg(QDir::toNativeSeparators(folder));
    if (!result.failures.empty())
        text += QStringLiteral("\n") +
                tr("%1 could not be written:").arg(pages(qsizetype(result.failures.size()))) +
                QStringLiteral("\n") + failures + QStringLiteral("\n");
    if (!mPrompts.Offer(text + QStringLiteral("\n") + tr("Open the folder?"), tr("Preview")))
        return;
    const MainWindowHooks& hooks = mPrompts.Hooks();
    const bool opened = hooks.openFolder ? hooks.openFolder(folder) : OpenFolderWindow(folder);
    if (!opened)
        mPrompts.Tell(
            tr("The folder could not be opened on this desktop. The preview pages are in:") +
            QStringLiteral("\n") + QDir::toNativeSeparators(folder));
}

// ---- PDF

void BookExports::StartPdf() {
    const auto book = mBooks.GetBook();
    if (!book || mPdfJob)
        return; // one PDF at a time
    const QString suggested = QDir::home().filePath(book->GetName() + QStringLiteral(".pdf"));
    const MainWindowHooks& hooks = mPrompts.Hooks();
    const QString file = hooks.pickPdfFile
                             ? hooks.pickPdfFile()
                             : QFileDialog::getSaveFileName(mPrompts.Owner(), tr("Export as PDF"),
                                                            suggested, tr("PDF files (*.pdf)"));
    if (file.isEmpty())
        return;
    book->WaitForSaves(); // the file is of the book as saved; a failure is reported by the book
    const QSizeF pageMm(mTemplates.PageWidth(), mTemplates.PageHeight());
    const PdfDocument document = PdfDocumentFor(*book, file, pageMm);
    // The plan holds snapshots of the pages: the pool renders while the user edits.
    mPdfJob = std::make_unique<PageExportJob>(
        PlanPdf(*book, PrintPageSize(mTemplates)), *mRenderer,
        [document](const PageExportPlan& plan, const PageRenderer& renderer,
                   const std::function<void(int, int)>& progress, const std::atomic<bool>* cancel) {
            return ExportPdf(plan, document, renderer, progress, cancel);
        });
    mPdfProgress = new QProgressDialog(tr("Writing the PDF..."), tr("Cancel"), 0,
                                       mPdfJob->PageCount(), mPrompts.Owner());
    mPdfProgress->setObjectName(QStringLiteral("mPdfProgress"));
    mPdfProgress->setWindowTitle(tr("Export as PDF"));
    mPdfProgress->setAutoClose(false);
    mPdfProgress->setAutoReset(false);
    mPdfProgress->setMinimumDuration(0);
    connect(mPdfJob.get(), &PageExportJob::progress, mPdfProgress, &QProgressDialog::setValue);
    connect(mPdfProgress, &QProgressDialog::canceled, mPdfJob.get(), &PageExportJob::Cancel);
    connect(mPdfJob.get(), &PageExportJob::finished, this, &BookExports::OnPdfFinished);
    mPdfProgress->show();
    mPdfJob->Start();
    emit runningChanged();
}

void BookExports::OnPdfFinished() {
    PageExportJob* job = mPdfJob.release();
    job->deleteLater(); // it is still sending this signal
    if (mPdfProgress) { // gone before the message, not after it
        mPdfProgress->hide();
        mPdfProgress->deleteLater();
    }
    emit runningChanged();
    const PageExportResult& result = job->Result();
    const QString failures = ShownFailures(result.failures, "PDF"); // logged even when cancelled
    if (result.cancelled)
        return;
    if (result.written == 0) {
        mPrompts.Tell(tr("The PDF could not be written:") + QStringLiteral("\n") + failures);
        return;
    }
    QString text = tr("The PDF is ready: %n page(s).", nullptr, result.written);
    if (!result.failures.empty())
        text += QStringLiteral("\n\n") + failures;
    mPrompts.Tell(text);
}
