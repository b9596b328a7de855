#include "app/StartUp.h"

#include "app/AppLog.h"
#include "app/WindowHooks.h"

#include "base/Constants.h"
#include "base/IntroSettings.h"
#include "base/LanguageChoice.h"
#include "base/LumbraError.h"
#include "base/SafeRead.h"
#include "model/BookManager.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"
#include "ui/mainwindow/MainWindow.h"

#include <QDir>

StartUp::StartUp(StartUpOptions options) : mOptions(std::move(options)) {}

StartUp::~StartUp() {
    mMainWindow.reset();
    mBooks.reset();
}

void StartUp::Run() {
    LoadLanguage();             // 1
    LoadMarker();               // 2
    CreateProcessObjects();     // 3
    SetUpFolders();             // 4
    mMainWindow->show();        // 5
    InitBackgrounds();          // 6
    ShowIntroductionIfWanted(); // 7
    mBooks->Initialize();       // 8: opens a book, which fills the window
}

void StartUp::LoadLanguage() {
    auto strings = std::make_unique<Constants>();
    strings->LoadLanguageFile(LanguageFilePath(mOptions.dataFolder, mOptions.locale));
    mStrings = std::move(strings);
    mTranslations.Install(mOptions.dataFolder, mOptions.locale); // the tr() texts, Qt's own
}

void StartUp::LoadMarker() {
    const QString path = QDir(mOptions.dataFolder).filePath("imageTooSmall.gif");
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxTextFileBytes);
    mMarker =
        bytes ? QImage::fromData(*bytes, "GIF").convertToFormat(QImage::Format_RGB32) : QImage();
}

void StartUp::CreateProcessObjects() {
    // The books and backgrounds folders are known before the folders are
    // created (step 4); nothing touches a file until it is initialised.
    mLayout = mOptions.folders ? *mOptions.folders : UserFolders::PlatformLayout();
    mTemplates = std::make_unique<Templates>(mStrings.get());
    mBooks = std::make_unique<BookManager>(mLayout.books, *mTemplates, mStrings.get());
    mRenderer = std::make_shared<const PageRenderer>(
        PageRenderer::ForCatalogue(*mTemplates, mLayout.backgrounds, mMarker));
    CreateMainWindow();
}

void StartUp::CreateMainWindow() {
    const MainWindowContext context{
        .ui = {*mBooks, *mStrings, *mTemplates, mBackgrounds, mRenderer, mMarker},
        .folders = &mFolders,
        .dataFolder = mOptions.dataFolder,
        .placementFile = mOptions.placementFile,
    };
    mMainWindow = std::make_unique<::MainWindow>(context);
    mMainWindow->SetHooks(MakeWindowHooks(*this));
}

void StartUp::SetUpFolders() { mFolders.SetUpUserFolders(mLayout); }

void StartUp::InitBackgrounds() {
    try {
        mBackgrounds.SetBackgroundsFolder(mFolders.GetBackgroundsFolder());
        mBackgrounds.InitBackgrounds();
    } catch (const LumbraError&) {
        // a failed copy of the delivered backgrounds leaves the library as it is
        LogCaughtException(lcApp(), "Copying the delivered backgrounds");
    }
}

void StartUp::ShowIntroductionIfWanted() {
    mIntroductionWanted = ::IntroductionWanted(mFolders.GetSettingsFile());
    if (!mIntroductionWanted)
        return;
    if (mOptions.showIntroduction)
        mOptions.showIntroduction(*mMainWindow);
    else
        mMainWindow->ShowIntroductionModal();
}
