#include "base/IntroSettings.h"
#include "base/FifoWatchdog.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool WantedWithContent(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath("Brelk.ini");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    f.close();
    return IntroductionWanted(path);
}

} // namespace

TEST(IntroSettings, OnlyTheValueOneShowsThePanel) {
    QTemporaryDir dir;
    EXPECT_TRUE(IntroductionWanted(dir.filePath("missing.ini")));
    EXPECT_TRUE(WantedWithContent(dir, ""));
    EXPECT_TRUE(WantedWithContent(dir, "IntroPanel=1\r\n"));
    EXPECT_FALSE(WantedWithContent(dir, "IntroPanel=0\r\n"));
    EXPECT_FALSE(WantedWithContent(dir, "IntroPanel= 0\r\n"));
    EXPECT_FALSE(WantedWithContent(dir, "IntroPanel=true\r\n"));
    EXPECT_FALSE(WantedWithContent(dir, "IntroPanel=1 \r\n")); // blank belongs to the value
    EXPECT_FALSE(WantedWithContent(dir, "IntroPanel="));
}

TEST(IntroSettings, KeyIsExactAndTheLastLineWins) {
    QTemporaryDir dir;
    EXPECT_TRUE(WantedWithContent(dir, "introPanel=0\r\nIntroPanel =0\r\nIntroPanel0\r\n"));
    EXPECT_FALSE(WantedWithContent(dir, "IntroPanel=1\r\nIntroPanel=0\r\n"));
    EXPECT_TRUE(WantedWithContent(dir, "IntroPanel=0\r\nOther=x\r\nIntroPanel=1"));
    EXPECT_EQ(IntroPanelValue("a=b\nIntroPanel=x=y\n"), "x=y");
}

TEST(IntroSettings, WriteReplacesTheFileWithOneCrLfLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Brelk.ini");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("IntroPanel=1\r\nSomething else that is longer\r\n");
    }
    ASSERT_TRUE(WriteIntroPanelSetting(path, false));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "IntroPanel=0\r\n");
    EXPECT_FALSE(IntroductionWanted(path));

    ASSERT_TRUE(WriteIntroPanelSetting(path, true));
    EXPECT_TRUE(IntroductionWanted(path));
}

TEST(IntroSettings, WriteIntoMissingFolderFailsQuietly) {
    QTemporaryDir dir;
    EXPECT_FALSE(WriteIntroPanelSetting(dir.filePath("no/such/folder/Brelk.ini"), false));
}

TEST(IntroSettings, SettingsFileThatIsAFifoCountsAsMissing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Brelk.ini");
    ASSERT_TRUE(MakeFifo(path));
    bool wanted = false;
    EXPECT_TRUE(EndsWithoutBlocking([&] { wanted = IntroductionWanted(path); }, {path}));
    EXPECT_TRUE(wanted);
}
