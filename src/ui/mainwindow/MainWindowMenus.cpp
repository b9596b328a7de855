#include "ui/mainwindow/MainWindow.h"

#include "BuildConfig.h"
#include "base/Constants.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "ui/common/ProgramIcons.h"
#include "ui/mainwindow/MainWindowRules.h"
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
    connect(action, &QAction::triggered, this, [this, handler] { RunCommand(handler); });
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
    AddItem(file, "mnuFileNew", u"cMenuFileNew", &MainWindow::onFileNewTriggered, "document-new");
    AddItem(file, "mnuFileRename", u"cMenuFileRename", &MainWindow::onFileRenameTriggered,
            "edit-rename");
    mFilePreviewAction = AddItem(file, "mnuFilePreview", u"cMenuFilePreview",
                                 &MainWindow::onFilePreviewTriggered, "document-print-preview");
    mFileExportPdfAction = file->addAction(tr("Export as PDF..."));
    mFileExportPdfAction->setObjectName(QStringLiteral("mnuFileExportPdf"));
    mFileExportPdfAction->setIcon(ProgramIcon(QStringLiteral("document-print-preview")));
    connect(mFileExportPdfAction, &QAction::triggered, this,
            [this] { RunCommand(&MainWindow::onFileExportPdfTriggered); });
    AddItem(file, "mnuFileDelete", u"cMenuFileDelete", &MainWindow::onFileDeleteTriggered,
            "edit-delete");
    AddItem(file, "mnuFileExit", u"cMenuFileExit", &MainWindow::onFileExitTriggered,
            "application-exit");
}

void MainWindow::CreateBookMenu(QMenuBar* bar) {
    QMenu* book = bar->addMenu(mStrings.Text(u"cMenuBook"));
    book->setObjectName(QStringLiteral("mnuBook"));
    mBookNewPageAction = AddItem(book, "mnuBookNewPage", u"cMenuBookNewPage",
                                 &MainWindow::onBookNewPageTriggered, "list-add");
    book->addSeparator();
    mBookPageViewAction = AddItem(book, "mnuBookPageView", u"cMenuBookOnePageView",
                                  &MainWindow::onBookPageViewTriggered);
    book->addSeparator();
    mBookPreviousPageAction = AddItem(book, "mnuBookPreviousPage", u"cMenuBookPreviousPage",
                                      &MainWindow::onBookPreviousPageTriggered, "go-previous");
    mBookNextPageAction = AddItem(book, "mnuBookNextPage", u"cMenuBookNextPage",
                                  &MainWindow::onBookNextPageTriggered, "go-next");
    book->addSeparator();
    AddItem(book, "mnuBookImportPhotos", u"cMenuBookImportPhotos",
            &MainWindow::onBookImportPhotosTriggered, "document-import");
    QAction* fill = book->addAction(tr("Fill Book"));
    fill->setObjectName(QStringLiteral("mnuBookFill"));
    connect(fill, &QAction::triggered, this,
            [this] { RunCommand(&MainWindow::onBookFillTriggered); });
    connect(mSidePane->Photos(), &PhotosPane::fillRequested, this,
            [this] { RunCommand(&MainWindow::onBookFillTriggered); });
    book->addSeparator();
    AddItem(book, "mnuBookOrder", u"cMenuBookOrder", &MainWindow::onBookOrderTriggered,
            "book-order");
    mBookOrderStatusAction = AddItem(book, "mnuBookOrderStatus", u"cMenuBookOrderStatus",
                                     &MainWindow::onBookOrderStatusTriggered);
}

// The View menu and the Albums menu beside it, filled with the books later.
void MainWindow::CreateViewMenus(QMenuBar* bar) {
    QMenu* view = bar->addMenu(mStrings.Text(u"cMenuView"));
    view->setObjectName(QStringLiteral("mnuView"));
    AddItem(view, "mnuViewSwitch", u"cMenuViewSwitch", &MainWindow::onViewSwitchTriggered);

    mAlbumsMenu = bar->addMenu(mStrings.Text(u"cMenuAlbum"));
    mAlbumsMenu->setObjectName(QStringLiteral("mAlbumsMenu"));
    mAlbumGroup = new QActionGroup(this);
    mAlbumGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

void MainWindow::CreateHelpMenu(QMenuBar* bar) {
    QMenu* help = bar->addMenu(mStrings.Text(u"cMenuHelp"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddItem(help, "mnuHelpIntroduction", u"cMenuHelpIntroduction",
            &MainWindow::onHelpIntroductionTriggered);
    AddItem(help, "mnuHelpContents", u"cMenuHelpContents", &MainWindow::onHelpContentsTriggered,
            "help-contents");
    AddItem(help, "mnuHelpFAQ", u"cMenuHelpFAQ", &MainWindow::onHelpFAQTriggered);
    help->addSeparator();
    // A build without a product site names none.
    if (*BuildConfig::WebsiteUrl)
        AddItem(help, "mnuHelpWebsite", u"cMenuHelpWebsite", &MainWindow::onHelpWebsiteTriggered,
                "go-home");
    help->addSeparator();
    mHelpChkUpdateAction = AddItem(help, "mnuHelpChkUpdate", u"cMenuHelpChkUpdate",
                                   &MainWindow::onHelpChkUpdateTriggered, "view-refresh");
    help->addSeparator();
    AddItem(help, "mnuHelpAbout", u"cMenuHelpAbout", &MainWindow::onHelpAboutTriggered,
            "help-about");
}

namespace {

const std::pair<const char*, QKeySequence::StandardKey> StandardItemKeys[] = {
    {"mnuFileNew", QKeySequence::New},
    {"mnuFileExit", QKeySequence::Quit},
    {"mnuBookImportPhotos", QKeySequence::Open},
    {"mnuHelpContents", QKeySequence::HelpContents},
};

// Shown in the menu only: the book view runs these keys itself, so that a
// child that uses them (a text being typed, a slider, a list) keeps them.
const std::pair<const char*, Qt::Key> BookViewItemKeys[] = {
    {"mnuBookPreviousPage", Qt::Key_PageUp},
    {"mnuBookNextPage", Qt::Key_PageDown},
};

} // namespace

// The platform's own keys for the commands that have one.
void MainWindow::SetStandardShortcuts() {
    for (const auto& [item, key] : StandardItemKeys) {
        if (auto* action = findChild<QAction*>(QLatin1String(item)))
            action->setShortcuts(key);
    }
    for (const auto& [item, key] : BookViewItemKeys) {
        if (auto* action = findChild<QAction*>(QLatin1String(item))) {
            action->setShortcut(QKeySequence(key));
            action->setShortcutContext(Qt::WidgetShortcut); // its only widget is the menu
        }
    }
}

// Every command ends here: no error escapes into the event loop.
void MainWindow::RunCommand(void (MainWindow::*handler)()) {
    try {
        (this->*handler)();
    } catch (const std::exception& e) {
        Tell(QString::fromStdString(e.what()));
    }
}

// Items whose windows come from other parts are enabled once they are there.
void MainWindow::RefreshHookedItems() {
    mFilePreviewAction->setEnabled(!mPreviewJob);
    mFileExportPdfAction->setEnabled(!mPdfJob);
    mHelpChkUpdateAction->setEnabled(bool(mHooks.updateCheck));
    SetBookOrderStatusMenu();
    // The side pane's download button: the connection check, then the dialog.
    std::function<void()> download;
    if (mHooks.downloadBackgrounds)
        download = [this] {
            if (IsOnline())
                mHooks.downloadBackgrounds(this);
            else
                Tell(mStrings.Text(u"cNoInternet"));
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
        mAlbumsMenu->removeAction(entry);
        entry->deleteLater(); // it may be the entry whose click opened this book
    }
    for (const QString& name : mBooks.GetAllBooks()) {
        QAction* entry = mAlbumsMenu->addAction(MainWindowRules::MenuText(name));
        entry->setObjectName(QStringLiteral("mnuAlbumsDrop"));
        entry->setData(name);
        entry->setCheckable(true);
        entry->setChecked(name == current->GetName());
        mAlbumGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, name] {
            const auto book = CurrentBook();
            if (book && name != book->GetName())
                mBooks.LoadBook(name);
        });
    }
}
