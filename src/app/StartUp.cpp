#include "app/StartUp.h"

#include "imaging/FreeImageBridge.h"
#include "model/Backgrounds.h"
#include "model/BookManager.h"
#include "model/Templates.h"
#include "base/AppServices.h"
#include "base/Md5.h"
#include "base/Constants.h"
#include "base/IntroSettings.h"
#include "base/LanguageChoice.h"
#include "base/LumbraError.h"
#include "ui/mainwindow/MainWindow.h"

#include <QDir>

StartUp::StartUp(StartUpOptions options) : mOptions(std::move(options)) {}

StartUp::~StartUp() {
    mDisplayHost.SetTarget(nullptr);
    mMainWindow.reset();
    mBooks.reset();
    Services() = AppServices{};
}

void StartUp::Run() {
    LoadLanguage();                 // 1
    LoadMarker();                   // 2
    CreateProcessObjects();         // 3
    SetUpFolders();                 // 4
    mMainWindow->show();            // 5
    InitBackgrounds();              // 6
    ShowIntroductionIfWanted();     // 7
    mBooks->Initialize();           // 8: opens a book, which fills the window
}

void StartUp::LoadLanguage() {
    auto strings = std::make_unique<Constants>();
    strings->LoadLanguageFile(LanguageFilePath(mOptions.programFolder, mOptions.locale));
    mStrings = std::move(strings);
    Services().strings = mStrings.get();
}

void StartUp::LoadMarker() {
    mMarker = FiLoad(FIF_GIF, QDir(mOptions.programFolder).filePath("imageTooSmall.gif"), 0);
    Services().imageTooSmallMarker = mMarker.get();
}

void StartUp::CreateProcessObjects() {
    // The books folder is known before the folders are created (step 4);
    // the book manager touches no file until it is initialised.
    mLayout = mOptions.folders ? *mOptions.folders : UserFolders::PlatformLayout();
    mTemplates = std::make_unique<Templates>(mStrings.get());
    Services().templates = mTemplates.get();
    mBooks = std::make_unique<BookManager>(mLayout.books, *mTemplates, mStrings.get(), &mDisplayHost);
    Services().books = mBooks.get();
    mMd5 = std::make_unique<Md5>();
    Services().md5 = mMd5.get();
    MainWindowContext context;
    context.strings = mStrings.get();
    context.templates = mTemplates.get();
    context.books = mBooks.get();
    context.folders = &mFolders;
    context.programFolder = mOptions.programFolder;
    context.placementFile = mOptions.placementFile;
    mMainWindow = std::make_unique<::MainWindow>(context);
    mDisplayHost.SetTarget(mMainWindow->GetSidePane()); // pages hand photos to the photos pane
}

void StartUp::SetUpFolders() {
    mFolders.SetUpUserFolders(mLayout);
    Services().folders = &mFolders;
}

void StartUp::InitBackgrounds() {
    try {
        Backgrounds::Library().SetBackgroundsFolder(mFolders.GetBackgroundsFolder());
        Backgrounds::InitBackgrounds();
    } catch (const LumbraError&) {
        // a failed copy of the delivered backgrounds leaves the library as it is
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
