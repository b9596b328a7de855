#include "ui/mainwindow/MainWindow.h"

#include "base/Constants.h"
#include "base/UserFolders.h"
#include "imaging/PictureFile.h"
#include "model/Book.h"
#include "model/BookFill.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/PhotoImage.h"
#include "model/Templates.h"
#include "ui/common/GuardedStep.h"
#include "ui/mainwindow/BookChecks.h"
#include "ui/mainwindow/BookExports.h"
#include "ui/mainwindow/HelpPages.h"
#include "ui/mainwindow/MainWindowRules.h"
#include "ui/mainwindow/dialogs/AboutBox.h"
#include "ui/mainwindow/dialogs/BookNameDialogs.h"
#include "ui/mainwindow/dialogs/FileOpen.h"
#include "ui/order/OrderChecks.h"
#include "ui/panes/PhotoTile.h"
#include "ui/panes/PhotosPane.h"

#include <QAction>

// ---- File

void MainWindow::onFileNewTriggered() {
    NewBookForm dialog(mBooks, mStrings, this);
    dialog.exec();
}

void MainWindow::onFileRenameTriggered() {
    RenameBookForm dialog(mBooks, mStrings, this);
    dialog.exec();
}

void MainWindow::onFilePreviewTriggered() { mExports->StartPreview(); }

void MainWindow::onFileExportPdfTriggered() {
    if (!mExports->PdfJob() && mChecks->LetGoOn())
        mExports->StartPdf();
}

void MainWindow::onFileDeleteTriggered() {
    const auto book = CurrentBook();
    const QString name = book ? book->GetName() : QString();
    if (mPrompts.Ask(tr("\u201c%1\u201d", "a book name in quotes").arg(name) +
                         QStringLiteral("\n\n") + mStrings.Text(u"cDeleteConfirmLabelCaption"),
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

QStringList MainWindow::PickPhotoFiles(const QString& title) {
    const QString pictures = mFolders ? mFolders->GetPicturesFolder() : QString();
    return mHooks.pickPhotos
               ? mHooks.pickPhotos()
               : ShowOpenFileDialog(tr("Photos") + "|" + PhotoFilePatterns().join(' '), pictures,
                                    title, this);
}

void MainWindow::onBookImportPhotosTriggered() {
    const QStringList paths = PickPhotoFiles(mStrings.Text(u"cImportPhotoDialog"));
    if (!paths.isEmpty() && !paths.first().isEmpty())
        mSidePane->AddFiles(paths);
}

void MainWindow::FindPhotoFile(const std::shared_ptr<PhotoImage>& photo) {
    const QStringList paths = PickPhotoFiles(tr("Find Photo File"));
    if (!paths.isEmpty() && !paths.first().isEmpty())
        mBooks.Session().RelinkPhoto(photo, paths.first());
}

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
        mPrompts.Tell(tr("There are no photos in the photos pane to fill the book with."));
        return;
    }
    // A fill that fails reaches RunCommand, which tells the user and logs it.
    const FillResult result = mBooks.Session().Fill(photos, mTemplates);
    if (result.placed == 0) {
        mPrompts.Tell(tr("The book has no empty box or page left for the photos."));
        return;
    }
    mBooks.Session().ShowPage(result.pages.front().page);
    // The placed photos leave the pane: say where they went.
    QString outcome = tr("%n photo(s) placed", nullptr, result.placed) + QLatin1Char(' ') +
                      tr("on %n page(s).", nullptr, int(result.pages.size()));
    if (result.leftOver > 0)
        outcome += QLatin1Char(' ') +
                   tr("%n photo(s) did not fit into the book.", nullptr, result.leftOver);
    mPrompts.Tell(outcome);
}

void MainWindow::onBookOrderTriggered() {
    const auto book = CurrentBook();
    if (!book)
        return;
    if (!mPrompts.IsOnline()) {
        mPrompts.Tell(mStrings.Text(u"cNoInternet"));
        return;
    }
    if (!mChecks->LetGoOn())
        return;
    const AskYesNo ask = [this](const QString& prompt, const QString& title) {
        return mPrompts.Ask(prompt, title);
    };
    if (!OrderChecksPass(OrderCheckBookOf(*book, mBooks.Session()), mStrings, ask))
        return;
    if (mHooks.orderWizard) {
        mHooks.orderWizard(book);
        SetBookOrderStatusMenu();
    }
}

void MainWindow::onBookCheckTriggered() { mChecks->Open(); }

void MainWindow::onBookOrderStatusTriggered() {
    const auto book = CurrentBook();
    if (!book || !mHooks.orderStatus)
        return;
    if (!mPrompts.IsOnline()) {
        mPrompts.Tell(mStrings.Text(u"cNoInternet"));
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

void MainWindow::onHelpContentsTriggered() { mHelp->OpenContents(); }

void MainWindow::onHelpFAQTriggered() { mHelp->OpenFaq(); }

void MainWindow::onHelpWebsiteTriggered() { mHelp->OpenWebsite(); }

void MainWindow::onHelpChkUpdateTriggered() {
    if (mHooks.updateCheck)
        mHooks.updateCheck();
}

void MainWindow::onHelpAboutTriggered() {
    AboutBox about(mStrings, this);
    about.exec();
}
