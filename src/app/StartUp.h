#pragma once

#include "base/ProgramTranslations.h"
#include "base/UserFolders.h"
#include "model/BackgroundLibrary.h"

#include <QImage>
#include <QLocale>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class BookManager;
class Constants;
class Templates;
class MainWindow;
class PageRenderer;

// Where the start-up finds its files; tests point it at temporary folders.
struct StartUpOptions {
    QString dataFolder; // language files, "imageTooSmall.gif", the introduction picture
    QLocale locale = QLocale::system();  // chooses the language file and translations
    std::optional<FolderLayout> folders; // none: the platform's folders
    QString placementFile;               // empty: the per-user settings store
    // Shows the introduction panel when the settings file asks for it;
    // empty: modally over the main window.
    std::function<void(MainWindow&)> showIntroduction;
};

// Builds the process-wide objects once, owns them for the whole run and hands
// each part of the program the ones it needs.
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
    // Null until the language file is read.
    const Constants* Strings() const { return mStrings.get(); }
    const Templates* Catalogue() const { return mTemplates.get(); }
    // Laid over photos too small for their box; null without "imageTooSmall.gif".
    const QImage& TooSmallMarker() const { return mMarker; }
    const BackgroundLibrary& Backgrounds() const { return mBackgrounds; }
    // What the settings file says about the introduction panel.
    bool IntroductionWanted() const { return mIntroductionWanted; }

private:
    void LoadLanguage();
    void LoadMarker();
    void CreateProcessObjects();
    void CreateMainWindow();
    void SetUpFolders();
    void InitBackgrounds();
    void ShowIntroductionIfWanted();

    StartUpOptions mOptions;
    FolderLayout mLayout;
    std::unique_ptr<Constants> mStrings;
    ProgramTranslations mTranslations;
    QImage mMarker;
    std::unique_ptr<Templates> mTemplates;
    std::unique_ptr<BookManager> mBooks;
    BackgroundLibrary mBackgrounds;
    std::shared_ptr<const PageRenderer> mRenderer;
    UserFolders mFolders;
    bool mIntroductionWanted = true;
    std::unique_ptr<::MainWindow> mMainWindow; // last: goes first
};
