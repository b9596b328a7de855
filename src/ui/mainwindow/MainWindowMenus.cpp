#include "ui/mainwindow/MainWindow.h"

#include "BuildConfig.h"
#include "base/Constants.h"
#include "base/Result.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "ui/UiLog.h"
#include "ui/common/ProgramIcons.h"
#include "ui/mainwindow/BookExports.h"
#include "ui/mainwindow/MainWindowRules.h"
#include "ui/mainwindow/UndoRedoItems.h"
#include "ui/mainwindow/dialogs/PreferencesDialog.h"
#include "ui/panes/PhotosPane.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <utility>

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const char16_t* captionKey,
                             void (MainWindow::*handler)(), const char* icon) {
    QAction* action = menu->addAction(mStrings.Text(captionKey));
    action->setObjectName(QLatin1String(name));
    if (icon)
        action->setIcon(ProgramIcon(QLatin1String(icon)));
    connect(action, &QAction::triggered, this,
            [this, handler, name] { RunCommand(handler, name); });
    return action;
}

void MainWindow::CreateMenus() {
    CreateFileMenu(menuBar());
    CreateEditMenu(menuBar());
    CreateBookMenu(menuBar());
    CreateViewMenus(menuBar());
    CreateHelpMenu(menuBar());
    SetStandardShortcuts();
    RefreshHookedItems();
}

void MainWindow::CreateFileMenu(QMenuBar* bar) {
    QMenu* file = bar->addMenu(mStrings.Text(u"cMenuFile"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mActions.fileNew = AddItem(file, "mnuFileNew", u"cMenuFileNew", &MainWindow::onFileNewTriggered,
                               "document-new");
    mActions.fileRename = AddItem(file, "mnuFileRename", u"cMenuFileRename",
                                  &MainWindow::onFileRenameTriggered, "edit-rename");
    mActions.filePreview = AddItem(file, "mnuFilePreview", u"cMenuFilePreview",
                                   &MainWindow::onFilePreviewTriggered, "document-print-preview");
    mActions.fileExportPdf = file->addAction(tr("Export as PDF..."));
    mActions.fileExportPdf->setObjectName(QStringLiteral("mnuFileExportPdf"));
    mActions.fileExportPdf->setIcon(ProgramIcon(QStringLiteral("document-print-preview")));
    connect(mActions.fileExportPdf, &QAction::triggered, this,
            [this] { RunCommand(&MainWindow::onFileExportPdfTriggered, "Export as PDF"); });
    mActions.fileDelete = AddItem(file, "mnuFileDelete", u"cMenuFileDelete",
                                  &MainWindow::onFileDeleteTriggered, "edit-delete");
    mActions.fileExit = AddItem(file, "mnuFileExit", u"cMenuFileExit",
                                &MainWindow::onFileExitTriggered, "application-exit");
}

// The Edit menu: undo and redo of the book's steps, and the preferences.
void MainWindow::CreateEditMenu(QMenuBar* bar) {
    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    const auto* history = new UndoRedoItems(mBooks.Session().Stack(), *mBookView, this, edit);
    mActions.editUndo = history->Undo();
    mActions.editRedo = history->Redo();
    edit->addSeparator();
    QAction* preferences = edit->addAction(tr("&Preferences..."));
    preferences->setObjectName(QStringLiteral("mnuEditPreferences"));
    preferences->setShortcuts(QKeySequence::Preferences);
    preferences->setMenuRole(QAction::PreferencesRole);
    mActions.editPreferences = preferences;
    connect(preferences, &QAction::triggered, this, [this] { OpenPreferences(this); });
    mBookView->AddToolbarActions({mActions.editUndo, mActions.editRedo});
}

void MainWindow::CreateBookMenu(QMenuBar* bar) {
    QMenu* book = bar->addMenu(mStrings.Text(u"cMenuBook"));
    book->setObjectName(QStringLiteral("mnuBook"));
    mActions.bookNewPage = AddItem(book, "mnuBookNewPage", u"cMenuBookNewPage",
                                   &MainWindow::onBookNewPageTriggered, "list-add");
    book->addSeparator();
    mActions.bookPageView = AddItem(book, "mnuBookPageView", u"cMenuBookOnePageView",
                                    &MainWindow::onBookPageViewTriggered);
    book->addSeparator();
    mActions.bookPreviousPage = AddItem(book, "mnuBookPreviousPage", u"cMenuBookPreviousPage",
                                        &MainWindow::onBookPreviousPageTriggered, "go-previous");
    mActions.bookNextPage = AddItem(book, "mnuBookNextPage", u"cMenuBookNextPage",
                                    &MainWindow::onBookNextPageTriggered, "go-next");
    book->addSeparator();
    mActions.bookImportPhotos =
        AddItem(book, "mnuBookImportPhotos", u"cMenuBookImportPhotos",
                &MainWindow::onBookImportPhotosTriggered, "document-import");
    mActions.bookFill = book->addAction(tr("Fill Book"));
    mActions.bookFill->setObjectName(QStringLiteral("mnuBookFill"));
    connect(mActions.bookFill, &QAction::triggered, this,
            [this] { RunCommand(&MainWindow::onBookFillTriggered, "Fill Book"); });
    connect(mSidePane->Photos(), &PhotosPane::fillRequested, this,
            [this] { RunCommand(&MainWindow::onBookFillTriggered, "Fill Book"); });
    mActions.bookCheck = book->addAction(tr("Check Book..."));
    mActions.bookCheck->setObjectName(QStringLiteral("mnuBookCheck"));
    connect(mActions.bookCheck, &QAction::triggered, this,
            [this] { RunCommand(&MainWindow::onBookCheckTriggered, "Check Book"); });
    book->addSeparator();
    mActions.bookOrder = AddItem(book, "mnuBookOrder", u"cMenuBookOrder",
                                 &MainWindow::onBookOrderTriggered, "book-order");
    mActions.bookOrderStatus = AddItem(book, "mnuBookOrderStatus", u"cMenuBookOrderStatus",
                                       &MainWindow::onBookOrderStatusTriggered);
}

// The View menu and the Albums menu beside it, filled with the books later.
void MainWindow::CreateViewMenus(QMenuBar* bar) {
    QMenu* view = bar->addMenu(mStrings.Text(u"cMenuView"));
    view->setObjectName(QStringLiteral("mnuView"));
    mActions.viewSwitch =
        AddItem(view, "mnuViewSwitch", u"cMenuViewSwitch", &MainWindow::onViewSwitchTriggered);

    mActions.albums = bar->addMenu(mStrings.Text(u"cMenuAlbum"));
    mActions.albums->setObjectName(QStringLiteral("mAlbumsMenu"));
    mAlbumGroup = new QActionGroup(this);
    mAlbumGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

void MainWindow::CreateHelpMenu(QMenuBar* bar) {
    QMenu* help = bar->addMenu(mStrings.Text(u"cMenuHelp"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mActions.helpIntroduction = AddItem(help, "mnuHelpIntroduction", u"cMenuHelpIntroduction",
                                        &MainWindow::onHelpIntroductionTriggered);
    mActions.helpContents = AddItem(help, "mnuHelpContents", u"cMenuHelpContents",
                                    &MainWindow::onHelpContentsTriggered, "help-contents");
    mActions.helpFaq =
        AddItem(help, "mnuHelpFAQ", u"cMenuHelpFAQ", &MainWindow::onHelpFAQTriggered);
    help->addSeparator();
    // A build without a product site names none.
    if (*BuildConfig::WebsiteUrl)
        mActions.helpWebsite = AddItem(help, "mnuHelpWebsite", u"cMenuHelpWebsite",
                                       &MainWindow::onHelpWebsiteTriggered, "go-home");
    help->addSeparator();
    mActions.helpCheckUpdate = AddItem(help, "mnuHelpChkUpdate", u"cMenuHelpChkUpdate",
                                       &MainWindow::onHelpChkUpdateTriggered, "view-refresh");
    help->addSeparator();
    mActions.helpAbout = AddItem(help, "mnuHelpAbout", u"cMenuHelpAbout",
                                 &MainWindow::onHelpAboutTriggered, "help-about");
}

// The platform's own keys for the commands that have one.
void MainWindow::SetStandardShortcuts() {
    mActions.fileNew->setShortcuts(QKeySequence::New);
    mActions.fileExit->setShortcuts(QKeySequence::Quit);
    mActions.bookImportPhotos->setShortcuts(QKeySequence::Open);
    mActions.helpContents->setShortcuts(QKeySequence::HelpContents);
    // Shown in the menu only: the book view runs these keys itself, so that a
    // child that uses them (a text being typed, a slider, a list) keeps them.
    const std::pair<QAction*, Qt::Key> bookViewKeys[] = {
        {mActions.bookPreviousPage, Qt::Key_PageUp},
        {mActions.bookNextPage, Qt::Key_PageDown},
    };
    for (const auto& [action, key] : bookViewKeys) {
        action->setShortcut(QKeySequence(key));
        action->setShortcutContext(Qt::WidgetShortcut); // its only widget is the menu
    }
}

// Every command ends here: no error escapes into the event loop. The log
// names the command and what failed; the user reads a translated message.
void MainWindow::RunCommand(void (MainWindow::*handler)(), const char* commandName) {
    try {
        (this->*handler)();
    } catch (const std::exception&) {
        const Failure failure = CaughtFailure(tr("The command could not be completed."));
        LogFailure(lcUi(), QStringLiteral("Command ") + QString::fromLatin1(commandName), failure);
        mPrompts.Tell(failure.message);
    }
}

// Items whose windows come from other parts are enabled once they are there.
void MainWindow::RefreshHookedItems() {
    mActions.filePreview->setEnabled(!mExports->PreviewJob());
    mActions.fileExportPdf->setEnabled(!mExports->PdfJob());
    mActions.helpCheckUpdate->setEnabled(bool(mHooks.updateCheck));
    SetBookOrderStatusMenu();
    // The side pane's download button: the connection check, then the dialog.
    std::function<void()> download;
    if (mHooks.downloadBackgrounds)
        download = [this] {
            if (mPrompts.IsOnline())
                mHooks.downloadBackgrounds(this);
            else
                mPrompts.Tell(mStrings.Text(u"cNoInternet"));
        };
    mSidePane->SetDownloadCommand(std::move(download));
}

void MainWindow::SetHooks(MainWindowHooks hooks) {
    mHooks = std::move(hooks);
    RefreshHookedItems();
}

void MainWindow::SetAlbumMenu() {
    const auto current = CurrentBook();
    if (!current)
        return;
    for (QAction* entry : mAlbumGroup->actions()) {
        mAlbumGroup->removeAction(entry);
        mActions.albums->removeAction(entry);
        entry->deleteLater(); // it may be the entry whose click opened this book
    }
    for (const QString& name : mBooks.GetAllBooks()) {
        QAction* entry = mActions.albums->addAction(MainWindowRules::MenuText(name));
        entry->setObjectName(QStringLiteral("mnuAlbumsDrop"));
        entry->setData(name);
        entry->setCheckable(true);
        entry->setChecked(name == current->GetName());
        mAlbumGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, name] {
            const auto book = CurrentBook();
            if (book && name != book->GetName() && !mBooks.LoadBook(name))
                SetAlbumMenu(); // the current book's entry is checked again
        });
    }
}
