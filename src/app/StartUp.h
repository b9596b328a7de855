#pragma once

#include "imaging/FiBitmap.h"
#include "model/PageDisplayHost.h"
#include "base/UserFolders.h"

#include <QLocale>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class BookManager;
class Md5;
class Constants;
class Templates;
class MainWindow;

// Where the start-up finds its files; tests point it at temporary folders.
struct StartUpOptions {
    QString programFolder;               // language files, "imageTooSmall.gif", the introduction picture
    QLocale locale = QLocale::system();  // chooses the language file
    std::optional<FolderLayout> folders; // none: the platform's folders
    QString placementFile;               // empty: the per-user settings store
    // Shows the introduction panel when the settings file asks for it;
    // empty: modally over the main window.
    std::function<void(MainWindow&)> showIntroduction;
};

// Owns the process-wide objects for the whole run and registers them in
// Services(); dropping it clears the registration.
class StartUp {
public:
    explicit StartUp(StartUpOptions options);
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // The start-up steps in order. Throws LumbraError when start-up cannot
    // go on (a language file that cannot be read: nothing is created then).
    void Run();

    ::MainWindow* MainWindow() const { return mMainWindow.get(); }
    BookManager* Books() const { return mBooks.get(); }
    const UserFolders& Folders() const { return mFolders; }
    // What the settings file says about the introduction panel.
    bool IntroductionWanted() const { return mIntroductionWanted; }

private:
    void LoadLanguage();
    void LoadMarker();
    void CreateProcessObjects();
    void SetUpFolders();
    void InitBackgrounds();
    void ShowIntroductionIfWanted();

    StartUpOptions mOptions;
    FolderLayout mLayout;
    std::unique_ptr<Constants> mStrings;
    FiBitmap mMarker;
    ForwardingDisplayHost mDisplayHost; // to the main window's photos pane
    std::unique_ptr<BookManager> mBooks;
    std::unique_ptr<Md5> mMd5;
    std::unique_ptr<Templates> mTemplates;
    UserFolders mFolders;
    bool mIntroductionWanted = true;
    std::unique_ptr<::MainWindow> mMainWindow; // last: goes first
};
