#include "ui/mainwindow/MainWindow.h"

#include "BuildConfig.h"
#include "base/Constants.h"
#include "base/ShellOpen.h"
#include "base/UserFolders.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "online/InternetState.h"
#include "online/ServiceAddress.h"
#include "render/PageExport.h"
#include "render/PageExportJob.h"
#include "render/PageRenderer.h"
#include "ui/common/GuardedStep.h"
#include "ui/mainwindow/MainWindowRules.h"
#include "ui/mainwindow/dialogs/AboutBox.h"
#include "ui/mainwindow/dialogs/BookNameDialogs.h"
#include "ui/mainwindow/dialogs/FileOpen.h"
#include "ui/mainwindow/dialogs/FolderBrowse.h"
#include "ui/mainwindow/dialogs/PreviewStatusDialog.h"
#include "ui/order/OrderChecks.h"

#include <QAction>
#include <QDir>
#include <QProgressBar>
#include <QUrl>

// ---- the user's answers

bool MainWindow::IsOnline() const {
    return mHooks.isOnline ? mHooks.isOnline() : IsInternetConnected(ServiceBaseUrl());
}

bool MainWindow::Ask(const QString& prompt, const QString& title) const {
    return mHooks.ask ? mHooks.ask(prompt, title)
                      : MessageBoxQuestion(const_cast<MainWindow*>(this), &mStrings)(prompt, title);
}

bool MainWindow::Offer(const QString& prompt, const QString& title) const {
    return mHooks.ask ? mHooks.ask(prompt, title)
                      : MessageBoxOffer(const_cast<MainWindow*>(this), &mStrings)(prompt, title);
}

void MainWindow::Tell(const QString& text) const {
    if (mHooks.tell)
        mHooks.tell(text);
    else
        MessageBoxNotice(const_cast<MainWindow*>(this), mStrings.Text(u"cMainFormCaption"),
                         &mStrings)(text);
}

// ---- File

void MainWindow::onFileNewTriggered() {
    NewBookForm dialog(mBooks, mStrings, this);
    dialog.exec();
}

void MainWindow::onFileRenameTriggered() {
    RenameBookForm dialog(mBooks, mStrings, this);
    dialog.exec();
}

void MainWindow::onFilePreviewTriggered() {
    const auto book = CurrentBook();
    if (!book || mPreviewJob)
        return; // one preview at a time
    const QString folder = mHooks.pickPreviewFolder
                               ? mHooks.pickPreviewFolder()
                               : BrowseForFolder(this, mStrings.Text(u"cBrowseRootFolder"));
    if (folder.isEmpty())
        return;
    book->WaitForSaves(); // the files are of the book as saved; a failure is reported by the book
    // The plan holds snapshots of the pages: the pool renders while the user edits.
    mPreviewJob = std::make_unique<PageExportJob>(PlanPreview(*book, folder), *mRenderer);
    connect(mPreviewJob.get(), &PageExportJob::progress, mPreviewStatusDialog,
            &PreviewStatusDialog::SetStatus);
    connect(mPreviewJob.get(), &PageExportJob::finished, this, &MainWindow::OnPreviewFinished);
    mPreviewStatusDialog->StatusBar()->setRange(0, 0);
    mPreviewStatusDialog->show();
    mPreviewJob->Start();
    RefreshHookedItems();
}

void MainWindow::OnPreviewFinished() {
    PageExportJob* job = mPreviewJob.release();
    job->deleteLater(); // it is still sending this signal
    const QString folder = job->Folder();
    const bool cancelled = job->Result().cancelled;
    mPreviewStatusDialog->hide();
    RefreshHookedItems();
    if (cancelled)
        return;
    const PageExportResult& result = job->Result();
    const auto pages = [](qsizetype n) { return n == 1 ? tr("1 page") : tr("%1 pages").arg(n); };
    QString text = tr("The preview is ready: %1 in").arg(pages(result.written)) +
                   QStringLiteral("\n%1\n").arg(QDir::toNativeSeparators(folder));
    if (!result.failures.isEmpty())
        text += QStringLiteral("\n") +
                tr("%1 could not be written:").arg(pages(result.failures.size())) +
                QStringLiteral("\n") + result.failures.mid(0, 5).join(QLatin1Char('\n')) +
                QStringLiteral("\n");
    if (!Offer(text + QStringLiteral("\n") + tr("Open the folder?"), tr("Preview")))
        return;
    const bool opened = mHooks.openFolder ? mHooks.openFolder(folder) : OpenFolderWindow(folder);
    if (!opened)
        Tell(tr("The folder could not be opened on this desktop. The preview pages are in:") +
             QStringLiteral("\n") + QDir::toNativeSeparators(folder));
}

void MainWindow::onFileDeleteTriggered() {
    const auto book = CurrentBook();
    const QString name = book ? book->GetName() : QString();
    if (Ask(tr("\u201c%1\u201d", "a book name in quotes").arg(name) + QStringLiteral("\n\n") +
                mStrings.Text(u"cDeleteConfirmLabelCaption"),
            mStrings.Text(u"cDeleteConfirmCaption")))
        DeleteBook();
}

void MainWindow::onFileExitTriggered() { close(); }

// ---- Book

void MainWindow::onBookNewPageTriggered() {
    const auto book = CurrentBook();
    if (!book || !book->AllowNewPage())
        return;
    // The new page lasts even if nothing else changes; a failure is reported by the book.
    RunGuarded("Adding a page", [&] { mBooks.Session().AddPage(); });
}

void MainWindow::onBookPageViewTriggered() {
    const PagesView next = MainWindowRules::NextPagesView(mBookView->GetPagesView());
    mActions.bookPageView->setText(mStrings.Text(MainWindowRules::PageViewCaptionKey(next)));
    mBookView->SetPagesView(next);
}

void MainWindow::onBookPreviousPageTriggered() {
    mBookView->PreviousPage();
    SetPrevNextPageButtonStatus();
}

void MainWindow::onBookNextPageTriggered() {
    mBookView->NextPage();
    SetPrevNextPageButtonStatus();
}

void MainWindow::onBookImportPhotosTriggered() {
    const QString pictures = mFolders ? mFolders->GetPicturesFolder() : QString();
    const QStringList paths =
        mHooks.pickPhotos ? mHooks.pickPhotos()
                          : ShowOpenFileDialog(tr("JPEG photos") + "|*.jpg *.jpeg", pictures,
                                               mStrings.Text(u"cImportPhotoDialog"), this);
    if (!paths.isEmpty() && !paths.first().isEmpty())
        mSidePane->AddFiles(paths);
}

void MainWindow::onBookOrderTriggered() {
    const auto book = CurrentBook();
    if (!book)
        return;
    if (!IsOnline()) {
        Tell(mStrings.Text(u"cNoInternet"));
        return;
    }
    const AskYesNo ask = [this](const QString& prompt, const QString& title) {
        return Ask(prompt, title);
    };
    if (!OrderChecksPass(OrderCheckBookOf(*book, mBooks.Session()), mStrings, ask))
        return;
    if (mHooks.orderWizard) {
        mHooks.orderWizard(book);
        SetBookOrderStatusMenu();
    }
}

void MainWindow::onBookOrderStatusTriggered() {
    const auto book = CurrentBook();
    if (!book || !mHooks.orderStatus)
        return;
    if (!IsOnline()) {
        Tell(mStrings.Text(u"cNoInternet"));
        return;
    }
    mHooks.orderStatus(book->GetOrderIds());
}

// ---- View

void MainWindow::onViewSwitchTriggered() {
    if (!CurrentBook())
        return;
    mSidePane->SetView(MainWindowRules::NextPaneView(mSidePane->View()));
    Resize();
    mSidePane->Relayout(); // its size may not change, its layout does
}

// ---- Help

void MainWindow::onHelpIntroductionTriggered() { ShowIntroduction(); }

void MainWindow::OpenPage(const QString& address) const {
    const bool local = address.startsWith(QLatin1String("file:"));
    bool opened = false;
    if (mHooks.openWebPage)
        opened = mHooks.openWebPage(address);
    else
        opened = local ? OpenFolderWindow(QUrl(address).toLocalFile()) : OpenWebPage(address);
    if (!opened)
        Tell(tr("No web browser could be started. Open this address in a browser by hand:") +
             QStringLiteral("\n") +
             (local ? QUrl(address).toLocalFile() : WebPageAddress(address)));
}

// A help page: at the deployment's address when it has one, else the page
// delivered with the program.
QString MainWindow::HelpPageAddress(const char* base, const QString& page) const {
    const QString address = QString::fromUtf8(base);
    if (!address.isEmpty())
        return address + page;
    return QUrl::fromLocalFile(QDir(mDataFolder).filePath(QStringLiteral("help/") + page))
        .toString();
}

void MainWindow::onHelpContentsTriggered() {
    OpenPage(HelpPageAddress(BuildConfig::HelpUrl,
                             tr("edit.html", "file name of the user guide in this language")));
}

void MainWindow::onHelpFAQTriggered() {
    OpenPage(
        HelpPageAddress(BuildConfig::FaqUrl,
                        tr("question.html", "file name of the questions page in this language")));
}

void MainWindow::onHelpWebsiteTriggered() { OpenPage(QString::fromUtf8(BuildConfig::WebsiteUrl)); }

void MainWindow::onHelpChkUpdateTriggered() {
    if (mHooks.updateCheck)
        mHooks.updateCheck();
}

void MainWindow::onHelpAboutTriggered() {
    AboutBox about(mStrings, this);
    about.exec();
}
