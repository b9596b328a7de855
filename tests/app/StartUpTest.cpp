#include "app/StartUp.h"
#include "base/Constants.h"
#include "base/LumbraError.h"
#include "base/UserFolders.h"
#include "imaging/FreeImageBridge.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/Templates.h"
#include "ui/mainwindow/MainWindow.h"
#include <QDir>
#include <QFile>

#include <QMainWindow>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void WriteText(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(text);
}

void WriteGif(const QString& path, int width, int height) {
    FiBitmap dib(FreeImage_Allocate(width, height, 8));
    ASSERT_TRUE(dib);
    FiSaveAtomically(FIF_GIF, dib.get(), path, 0);
}

class StartUpTest : public ::testing::Test {
protected:
    StartUpOptions Options(const char* locale) {
        StartUpOptions o;
        o.dataFolder = program.path();
        o.locale = QLocale(QString::fromLatin1(locale));
        o.folders = FolderLayoutBelow(user.path(), user.filePath("Pictures"));
        o.placementFile = user.filePath("placement.ini");
        o.showIntroduction = [this](MainWindow& window) {
            ++introductions;
            windowVisibleAtIntroduction = window.isVisible();
            bookAtIntroduction = running->Books()->GetBook() != nullptr;
        };
        return o;
    }
    QTemporaryDir program;
    QTemporaryDir user;
    const StartUp* running = nullptr; // the start-up whose introduction shows
    int introductions = 0;
    bool windowVisibleAtIntroduction = false;
    bool bookAtIntroduction = true;
};

} // namespace

TEST_F(StartUpTest, MissingLanguageFileStopsBeforeAnythingIsCreated) {
    WriteText(program.filePath("English.txt"), "cMainFormCaption=Lumbra\r\n");
    StartUp startUp(Options("zh_CN"));
    try {
        startUp.Run();
        FAIL() << "no error";
    } catch (const LumbraError& e) {
        EXPECT_TRUE(e.Message().contains(program.filePath("ChineseS.txt")));
    }
    EXPECT_EQ(startUp.MainWindow(), nullptr);
    EXPECT_EQ(startUp.Strings(), nullptr);
    EXPECT_EQ(startUp.Catalogue(), nullptr);
    EXPECT_FALSE(QDir(user.filePath("Brelk")).exists());
}

TEST_F(StartUpTest, RunsTheStepsAndHandsOutTheObjects) {
    WriteText(program.filePath("ChineseT.txt"), "cMainFormCaption=Lumbra T\r\n");
    WriteGif(program.filePath("imageTooSmall.gif"), 5, 3);
    StartUp startUp(Options("zh_HK"));
    running = &startUp;
    startUp.Run();
    ASSERT_NE(startUp.MainWindow(), nullptr);
    EXPECT_TRUE(startUp.MainWindow()->isVisible());
    // The introduction came over the shown window, before any book.
    EXPECT_EQ(introductions, 1);
    EXPECT_TRUE(windowVisibleAtIntroduction);
    EXPECT_FALSE(bookAtIntroduction);
    // Then the book manager opened the untitled book into the window.
    ASSERT_NE(startUp.Books()->GetBook(), nullptr);
    const QString name = startUp.Books()->GetBook()->GetName();
    EXPECT_EQ(startUp.MainWindow()->windowTitle(), "Lumbra T - " + name);
    EXPECT_TRUE(QDir(startUp.Folders().GetBooksFolder() + name).exists());

    ASSERT_NE(startUp.Strings(), nullptr);
    EXPECT_EQ(startUp.Strings()->Text(u"cMainFormCaption"), "Lumbra T");
    EXPECT_NE(startUp.Catalogue(), nullptr);
    EXPECT_EQ(startUp.TooSmallMarker().size(), QSize(5, 3));
    // The background library reads the user's backgrounds folder.
    EXPECT_EQ(startUp.Backgrounds().BackgroundsFolder(), startUp.Folders().GetBackgroundsFolder());
    EXPECT_TRUE(QDir(startUp.Folders().GetBooksFolder()).exists());
    EXPECT_TRUE(startUp.IntroductionWanted()); // no settings file yet
}

TEST_F(StartUpTest, MissingMarkerAndSettingsThatHideTheIntroduction) {
    WriteText(program.filePath("English.txt"), "cMainFormCaption=Lumbra\r\n");
    QDir().mkpath(user.filePath("Brelk"));
    WriteText(user.filePath("Brelk/Brelk.ini"), "IntroPanel=0\r\n");
    StartUp startUp(Options("de_DE"));
    startUp.Run();
    EXPECT_TRUE(startUp.TooSmallMarker().isNull());
    EXPECT_FALSE(startUp.IntroductionWanted());
    EXPECT_EQ(introductions, 0);
    EXPECT_NE(startUp.Books()->GetBook(), nullptr);
}
