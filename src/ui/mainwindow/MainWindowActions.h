#pragma once

class QAction;
class QMenu;

// The main window's menu commands, by menu, as the window made them. The
// window owns them; tests and screenshot scenes trigger and read them here.
struct MainWindowActions {
    // File
    QAction* fileNew = nullptr;
    QAction* fileRename = nullptr;
    QAction* filePreview = nullptr;
    QAction* fileExportPdf = nullptr;
    QAction* fileDelete = nullptr;
    QAction* fileExit = nullptr;
    // Edit
    QAction* editUndo = nullptr;
    QAction* editRedo = nullptr;
    QAction* editPreferences = nullptr;
    // Book
    QAction* bookNewPage = nullptr;
    QAction* bookPageView = nullptr; // one page or two
    QAction* bookPreviousPage = nullptr;
    QAction* bookNextPage = nullptr;
    QAction* bookImportPhotos = nullptr;
    QAction* bookFill = nullptr;
    QAction* bookCheck = nullptr;
    QAction* bookOrder = nullptr;
    QAction* bookOrderStatus = nullptr;
    // View
    QAction* viewSwitch = nullptr; // the side pane's place
    // Albums: one checkable entry per book, made again when the books change.
    QMenu* albums = nullptr;
    // Help
    QAction* helpIntroduction = nullptr;
    QAction* helpContents = nullptr;
    QAction* helpFaq = nullptr;
    QAction* helpWebsite = nullptr; // null when the build names no product site
    QAction* helpCheckUpdate = nullptr;
    QAction* helpAbout = nullptr;
};
