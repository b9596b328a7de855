#pragma once

#include "ui/bookview/BookView.h"
#include "ui/common/UiContext.h"
#include "ui/mainwindow/MainWindowActions.h"
#include "ui/mainwindow/MainWindowHooks.h"
#include "ui/mainwindow/WindowPrompts.h"
#include "ui/panes/SidePane.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class AboutBox;
class Book;
class BookChecks;
class BookExports;
class BookManager;
class BookViewStateKeeper;
class Constants;
class HelpPages;
class IntroductionPanel;
class PageExportJob;
class PreviewStatusDialog;
class QAction;
class QActionGroup;
class QComboBox;
class QMenu;
class QMenuBar;
class QMessageBox;
class QSettings;
class Templates;
class TemplatesPane;
class UserFolders;

// What the main window is built with: the program's objects, which it hands
// on to its children, and where it finds its files.
struct MainWindowContext {
    UiContext ui;
    const UserFolders* folders = nullptr; // null: no settings file, no pictures folder
    QString dataFolder;                   // the introduction picture
    QString placementFile; // an INI file for the placement; empty: the per-user store
};

// MainWindow: the side pane, the template group selector, the template picker
// and the book view under the menu bar, kept in step with the current book.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Creation fills the template selector (group 1 chosen); loading follows
    // at once: placement, captions, the minimum size.
    explicit MainWindow(const MainWindowContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    void SetHooks(MainWindowHooks hooks);
    const MainWindowHooks& Hooks() const { return mHooks; }
    // The menu commands, made with the window.
    const MainWindowActions& Actions() const { return mActions; }

    // The layout of the four children (also after a pane change).
    void Resize();
    void SetPrevNextPageButtonStatus();
    void SetNewPageButtonStatus();
    void SetBookOrderStatusMenu();
    void SetAlbumMenu();
    void DeleteBook();

    // Book commands, also reached from the book view's toolbar.
    void onBookNewPageTriggered();
    void onBookPageViewTriggered();
    void onBookPreviousPageTriggered();
    void onBookNextPageTriggered();
    void onBookOrderTriggered();
    void onBookImportPhotosTriggered();
    void onBookFillTriggered();
    void onBookCheckTriggered();
    void onFileExportPdfTriggered();

    // The introduction panel over this window: modal at start, or just visible.
    void ShowIntroductionModal();
    void ShowIntroduction();

    BookView* GetBookView() const { return mBookView; }
    std::shared_ptr<Book> CurrentBook() const;
    SidePane* GetSidePane() const { return mSidePane; }
    TemplatesPane* GetTemplatesPane() const { return mTemplatesPane; }
    QComboBox* TemplateSelector() const { return mTemplateSelector; }
    PreviewStatusDialog* PreviewDialog() const;
    // The warning about a failed save while it is open.
    QMessageBox* SaveFailureBox() const;
    // The preview being written, null when none runs.
    PageExportJob* PreviewJob() const;
    // The PDF being written, null when none runs.
    PageExportJob* PdfJob() const;
    // Book > Check Book and the check before an order or a PDF.
    BookChecks& Checks() const { return *mChecks; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Keys no child used: the book view's keys work from anywhere in the window.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // MainWindowMenus.cpp
    void CreateMenus();
    void CreateFileMenu(QMenuBar* bar);
    void CreateBookMenu(QMenuBar* bar);
    void CreateViewMenus(QMenuBar* bar);
    void CreateHelpMenu(QMenuBar* bar);
    QAction* AddItem(QMenu* menu, const char* name, const char16_t* captionKey,
                     void (MainWindow::*handler)(), const char* icon = nullptr);
    void RefreshHookedItems();
    void SetStandardShortcuts();
    void CreateEditMenu(QMenuBar* bar);
    void RunCommand(void (MainWindow::*handler)(), const char* commandName);
    // MainWindowCommands.cpp
    void onFileNewTriggered();
    void onFileRenameTriggered();
    void onFilePreviewTriggered();
    void onFileDeleteTriggered();
    void onFileExitTriggered();
    void onBookOrderStatusTriggered();
    void onViewSwitchTriggered();
    void onHelpIntroductionTriggered();
    void onHelpContentsTriggered();
    void onHelpFAQTriggered();
    void onHelpWebsiteTriggered();
    void onHelpChkUpdateTriggered();
    void onHelpAboutTriggered();
    // MainWindow.cpp
    void CreateChildren(const UiContext& context);
    void OnBookChange();
    void SubscribeToBook(const std::shared_ptr<Book>& book);
    // A failed save of the current book: a warning that does not block, one at a time.
    void ShowSaveFailure(const QString& detail);
    // Another writer holds the book `name`, which is not opened.
    void ShowBookBusy(const QString& name, const QString& reason);
    // A box with `text` and `detail`, unless one is open already.
    void ShowMessage(const QString& text, const QString& detail);
    // The photo files the user picks (the import dialog, or the hook).
    QStringList PickPhotoFiles(const QString& title);
    // Asks for a file and relinks the photo to it.
    void FindPhotoFile(const std::shared_ptr<PhotoImage>& photo);
    void RestorePlacement();
    void SavePlacement();
    std::unique_ptr<QSettings> PlacementStore() const;
    IntroductionPanel& Introduction();
    // The page view item's caption and the layout after a restored view state.
    void OnViewStateRestored();

    const Constants& mStrings;
    const Templates& mTemplates;
    BookManager& mBooks;
    const UserFolders* mFolders;
    QString mDataFolder;
    QString mPlacementFile;
    MainWindowHooks mHooks;
    WindowPrompts mPrompts; // through mHooks

    QWidget* mClient = nullptr;
    SidePane* mSidePane = nullptr;
    QComboBox* mTemplateSelector = nullptr;
    TemplatesPane* mTemplatesPane = nullptr;
    BookView* mBookView = nullptr;
    IntroductionPanel* mIntroduction = nullptr;
    std::unique_ptr<BookExports> mExports; // goes before the widgets its windows use
    BookChecks* mChecks = nullptr;
    std::unique_ptr<HelpPages> mHelp;
    BookViewStateKeeper* mViewState = nullptr;
    QPointer<Book> mSubscribedBook;
    QPointer<QMessageBox> mSaveFailureBox;
    QPointer<QMessageBox> mMessageBox;
    bool mClosed = false;

    MainWindowActions mActions;
    QActionGroup* mAlbumGroup = nullptr;
};
