#include "ui/mainwindow/MainWindow.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "base/Constants.h"
#include "ui/mainwindow/MainWindowRules.h"
#include "ui/mainwindow/MenuIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <utility>

QAction* frmMain::AddItem(QMenu* menu, const char* name, const char16_t* captionKey,
                          void (frmMain::*handler)(), const char* icon) {
    QAction* action = menu->addAction(mStrings.Text(captionKey));
    action->setObjectName(QLatin1String(name));
    if (icon)
        action->setIcon(MenuIcon(icon));
    connect(action, &QAction::triggered, this, [this, handler] { RunCommand(handler); });
    return action;
}

void frmMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(mStrings.Text(u"cMenuFile"));
    file->setObjectName(QStringLiteral("mnuFile"));
    AddItem(file, "mnuFileNew", u"cMenuFileNew", &frmMain::mnuFileNew_Click, "document-new");
    AddItem(file, "mnuFileRename", u"cMenuFileRename", &frmMain::mnuFileRename_Click, "edit-rename");
    mnuFilePreview = AddItem(file, "mnuFilePreview", u"cMenuFilePreview",
                             &frmMain::mnuFilePreview_Click, "document-print-preview");
    AddItem(file, "mnuFileDelete", u"cMenuFileDelete", &frmMain::mnuFileDelete_Click, "edit-delete");
    AddItem(file, "mnuFileExit", u"cMenuFileExit", &frmMain::mnuFileExit_Click, "application-exit");

    QMenu* book = bar->addMenu(mStrings.Text(u"cMenuBook"));
    book->setObjectName(QStringLiteral("mnuBook"));
    mnuBookNewPage = AddItem(book, "mnuBookNewPage", u"cMenuBookNewPage",
                             &frmMain::mnuBookNewPage_Click, "list-add");
    book->addSeparator();
    mnuBookPageView = AddItem(book, "mnuBookPageView", u"cMenuBookOnePageView",
                              &frmMain::mnuBookPageView_Click);
    book->addSeparator();
    mnuBookPreviousPage = AddItem(book, "mnuBookPreviousPage", u"cMenuBookPreviousPage",
                                  &frmMain::mnuBookPreviousPage_Click, "go-previous");
    mnuBookNextPage = AddItem(book, "mnuBookNextPage", u"cMenuBookNextPage",
                              &frmMain::mnuBookNextPage_Click, "go-next");
    book->addSeparator();
    AddItem(book, "mnuBookImportPhotos", u"cMenuBookImportPhotos",
            &frmMain::mnuBookImportPhotos_Click, "document-import");
    book->addSeparator();
    AddItem(book, "mnuBookOrder", u"cMenuBookOrder", &frmMain::mnuBookOrder_Click, "mail-send");
    mnuBookOrderStatus = AddItem(book, "mnuBookOrderStatus", u"cMenuBookOrderStatus",
                                 &frmMain::mnuBookOrderStatus_Click);

    QMenu* view = bar->addMenu(mStrings.Text(u"cMenuView"));
    view->setObjectName(QStringLiteral("mnuView"));
    AddItem(view, "mnuViewSwitch", u"cMenuViewSwitch", &frmMain::mnuViewSwitch_Click);

    mnuAlbums = bar->addMenu(mStrings.Text(u"cMenuAlbum"));
    mnuAlbums->setObjectName(QStringLiteral("mnuAlbums"));
    mAlbumGroup = new QActionGroup(this);
    mAlbumGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);

    QMenu* help = bar->addMenu(mStrings.Text(u"cMenuHelp"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddItem(help, "mnuHelpIntroduction", u"cMenuHelpIntroduction",
            &frmMain::mnuHelpIntroduction_Click);
    AddItem(help, "mnuHelpContents", u"cMenuHelpContents", &frmMain::mnuHelpContents_Click,
            "help-contents");
    AddItem(help, "mnuHelpFAQ", u"cMenuHelpFAQ", &frmMain::mnuHelpFAQ_Click);
    help->addSeparator();
    AddItem(help, "mnuHelpWebsite", u"cMenuHelpWebsite", &frmMain::mnuHelpWebsite_Click, "go-home");
    help->addSeparator();
    mnuHelpChkUpdate = AddItem(help, "mnuHelpChkUpdate", u"cMenuHelpChkUpdate",
                               &frmMain::mnuHelpChkUpdate_Click, "view-refresh");
    help->addSeparator();
    AddItem(help, "mnuHelpAbout", u"cMenuHelpAbout", &frmMain::mnuHelpAbout_Click, "help-about");
    SetStandardShortcuts();
    RefreshHookedItems();
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
void frmMain::SetStandardShortcuts() {
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
void frmMain::RunCommand(void (frmMain::*handler)()) {
    try {
        (this->*handler)();
    } catch (const std::exception& e) {
        Tell(QString::fromStdString(e.what()));
    }
}

// Items whose windows come from other parts are enabled once they are there.
void frmMain::RefreshHookedItems() {
    mnuFilePreview->setEnabled(!mPreviewJob);
    mnuHelpChkUpdate->setEnabled(bool(mHooks.updateCheck));
    SetBookOrderStatusMenu();
}

void frmMain::SetHooks(MainWindowHooks hooks) {
    mHooks = std::move(hooks);
    RefreshHookedItems();
}

void frmMain::SetAlbumMenu() {
    const auto current = CurrentBook();
    if (!current)
        return;
    for (QAction* entry : mAlbumGroup->actions()) {
        mAlbumGroup->removeAction(entry);
        mnuAlbums->removeAction(entry);
        entry->deleteLater(); // it may be the entry whose click opened this book
    }
    for (const QString& name : mBooks->GetAllBooks()) {
        QAction* entry = mnuAlbums->addAction(MainWindowRules::MenuText(name));
        entry->setObjectName(QStringLiteral("mnuAlbumsDrop"));
        entry->setData(name);
        entry->setCheckable(true);
        entry->setChecked(name == current->GetName());
        mAlbumGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, name] {
            const auto book = CurrentBook();
            if (book && name != book->GetName())
                mBooks->LoadBook(name);
        });
    }
}
