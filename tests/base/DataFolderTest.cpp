#include "base/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A scratch tree where each test lays out a build folder or an installed
// prefix around a program folder.
struct DataFolderLayout : ::testing::Test {
    QTemporaryDir root;

    QString Folder(const QString& relative) {
        const QString path = root.filePath(relative);
        EXPECT_TRUE(QDir().mkpath(path)) << path.toStdString();
        return path;
    }
    void Put(const QString& relative) {
        const QString path = root.filePath(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write("cMainFormCaption=Lumbra\r\n");
    }
    QString Expected(const QString& relative) { return root.filePath(relative) + u'/'; }
};

} // namespace

TEST_F(DataFolderLayout, BuildFolderKeepsItsDataBesideTheBinary) {
    Put(QStringLiteral("build/English.txt"));
    Put(QStringLiteral("build/backgrounds/cream_sm.jpg"));
    EXPECT_EQ(DataFolderFor(Folder(QStringLiteral("build"))), Expected(QStringLiteral("build")));
}

TEST_F(DataFolderLayout, InstalledPrefixKeepsItsDataInShare) {
    Put(QStringLiteral("usr/share/lumbra/English.txt"));
    const QString bin = Folder(QStringLiteral("usr/bin"));
    EXPECT_EQ(DataFolderFor(bin), Expected(QStringLiteral("usr/share/lumbra")));
    EXPECT_EQ(DataFolderFor(bin + u'/'), Expected(QStringLiteral("usr/share/lumbra")));
}

TEST_F(DataFolderLayout, BesideTheBinaryWinsOverAnInstalledCopy) {
    Put(QStringLiteral("opt/bin/English.txt"));
    Put(QStringLiteral("opt/share/lumbra/English.txt"));
    EXPECT_EQ(DataFolderFor(Folder(QStringLiteral("opt/bin"))),
              Expected(QStringLiteral("opt/bin")));
}

TEST_F(DataFolderLayout, WithoutLanguageFileTheProgramFolderIsNamed) {
    // share/lumbra exists but holds no language file: not taken.
    Put(QStringLiteral("usr/share/lumbra/backgrounds/cream_sm.jpg"));
    Put(QStringLiteral("usr/bin/ChineseS.txt"));
    EXPECT_EQ(DataFolderFor(Folder(QStringLiteral("usr/bin"))),
              Expected(QStringLiteral("usr/bin")));
    // A folder named English.txt is no language file either.
    Folder(QStringLiteral("odd/bin/English.txt"));
    EXPECT_EQ(DataFolderFor(root.filePath(QStringLiteral("odd/bin"))),
              Expected(QStringLiteral("odd/bin")));
}

TEST(DataFolder, TheTestsFindTheDataOfTheirBuildFolder) {
    EXPECT_TRUE(QFile::exists(DataFolder() + QStringLiteral("English.txt")));
    EXPECT_TRUE(QFile::exists(DataFolder() + QStringLiteral("backgrounds")));
}
