#include "shell/ui/StartUp.h"

#include "images/FreeImageBridge.h"
#include "images/backGround.h"
#include "model/Templates.h"
#include "shell/AppServices.h"
#include "shell/CMD5.h"
#include "shell/Constants.h"
#include "shell/IntroSettings.h"
#include "shell/LanguageChoice.h"
#include "shell/LumbraError.h"

#include <QDir>
#include <QMainWindow>

StartUp::StartUp(StartUpOptions options) : mOptions(std::move(options)) {}

StartUp::~StartUp() {
    mMainWindow.reset();
    Services() = AppServices{};
}

void StartUp::Run() {
    LoadLanguage();
    LoadMarker();
    CreateProcessObjects();
    SetUpFolders();
    mMainWindow->show();
    InitBackgrounds();
    mIntroductionWanted = ::IntroductionWanted(mFolders.GetSettingsFile());
    // The introduction panel (shown modally when wanted) and the book
    // manager's initialisation follow here once they exist.
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
    // The book manager comes first once it exists.
    mMd5 = std::make_unique<CMD5>();
    Services().md5 = mMd5.get();
    mTemplates = std::make_unique<Templates>(mStrings.get());
    Services().templates = mTemplates.get();
    mMainWindow = std::make_unique<QMainWindow>();
    mMainWindow->setWindowTitle(mStrings->Text(u"cMainFormCaption"));
    mMainWindow->resize(1000, 700);
}

void StartUp::SetUpFolders() {
    mFolders.SetUpUserFolders(mOptions.folders ? *mOptions.folders : UserFolders::PlatformLayout());
    Services().folders = &mFolders;
}

void StartUp::InitBackgrounds() {
    try {
        backGround::Library().SetBackgroundsFolder(mFolders.GetBackgroundsFolder());
        backGround::InitBackgrounds();
    } catch (const LumbraError&) {
        // a failed copy of the delivered backgrounds leaves the library as it is
    }
}
