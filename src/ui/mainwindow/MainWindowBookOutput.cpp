// The book in one step: Fill Book and Export as PDF.
#include "ui/mainwindow/MainWindow.h"

#include "model/Book.h"
#include "model/BookFill.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/PhotoImage.h"
#include "model/Templates.h"
#include "render/BookPdf.h"
#include "render/PageExportJob.h"
#include "render/PageRenderer.h"
#include "ui/common/GuardedStep.h"
#include "ui/panes/PhotoTile.h"
#include "ui/panes/PhotosPane.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>

void MainWindow::onBookFillTriggered() {
    const auto book = CurrentBook();
    if (!book)
        return;
    // The photos of the pane, in the order of its tiles.
    std::vector<std::shared_ptr<PhotoImage>> photos;
    for (const PhotoTile* tile : mSidePane->Photos()->Tiles())
        if (tile->GetPhoto())
            photos.push_back(tile->GetPhoto());
    if (photos.empty()) {
        Tell(tr("There are no photos in the photos pane to fill the book with."));
        return;
    }
    FillResult result;
    RunGuarded("Filling the book", [&] { result = mBooks.Session().Fill(photos, mTemplates); });
    if (result.placed == 0) {
        Tell(tr("The book has no empty box or page left for the photos."));
        return;
    }
    mBooks.Session().ShowPage(result.pages.front().page);
    if (result.leftOver > 0)
        Tell(tr("%n photo(s) did not fit into the book.", nullptr, result.leftOver));
}

void MainWindow::onFileExportPdfTriggered() {
    const auto book = CurrentBook();
    if (!book || mPdfJob)
        return; // one PDF at a time
    const QString suggested = QDir::home().filePath(book->GetName() + QStringLiteral(".pdf"));
    const QString file = mHooks.pickPdfFile
                             ? mHooks.pickPdfFile()
                             : QFileDialog::getSaveFileName(this, tr("Export as PDF"), suggested,
                                                            tr("PDF files (*.pdf)"));
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
    mPdfProgress =
        new QProgressDialog(tr("Writing the PDF..."), tr("Cancel"), 0, mPdfJob->PageCount(), this);
    mPdfProgress->setObjectName(QStringLiteral("mPdfProgress"));
    mPdfProgress->setWindowTitle(tr("Export as PDF"));
    mPdfProgress->setAutoClose(false);
    mPdfProgress->setAutoReset(false);
    mPdfProgress->setMinimumDuration(0);
    connect(mPdfJob.get(), &PageExportJob::progress, mPdfProgress, &QProgressDialog::setValue);
    connect(mPdfProgress, &QProgressDialog::canceled, mPdfJob.get(), &PageExportJob::Cancel);
    connect(mPdfJob.get(), &PageExportJob::finished, this, &MainWindow::OnPdfFinished);
    mPdfProgress->show();
    mPdfJob->Start();
    RefreshHookedItems();
}

void MainWindow::OnPdfFinished() {
    PageExportJob* job = mPdfJob.release();
    job->deleteLater(); // it is still sending this signal
    if (mPdfProgress)
        mPdfProgress->deleteLater();
    RefreshHookedItems();
    const PageExportResult& result = job->Result();
    if (result.cancelled)
        return;
    if (result.written == 0) {
        Tell(tr("The PDF could not be written:") + QStringLiteral("\n") +
             result.failures.mid(0, 5).join(QLatin1Char('\n')));
        return;
    }
    QString text = tr("The PDF is ready: %n page(s).", nullptr, result.written);
    if (!result.failures.isEmpty())
        text += QStringLiteral("\n\n") + result.failures.mid(0, 5).join(QLatin1Char('\n'));
    Tell(text);
}
