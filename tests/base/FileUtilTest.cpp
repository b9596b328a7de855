#include "base/FileUtil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

QString Folder(const QTemporaryDir& dir) { return dir.path() + "/"; }

} // namespace

TEST(FileUtil, ListFilesMatchesPatternWithoutCaseAndSkipsFolders) {
    QTemporaryDir dir;
    Touch(dir.filePath("b.jpg"));
    Touch(dir.filePath("A.JPG"));
    Touch(dir.filePath(".hidden.jpg"));
    Touch(dir.filePath("notes.txt"));
    Touch(dir.filePath("README"));
    QDir(dir.path()).mkdir("folder.jpg");

    EXPECT_EQ(ListFiles(Folder(dir) + "*.jpg"), QStringList({".hidden.jpg", "A.JPG", "b.jpg"}));
    EXPECT_EQ(ListFiles(Folder(dir) + "*.*"),
              QStringList({".hidden.jpg", "A.JPG", "b.jpg", "notes.txt", "README"}));
    EXPECT_EQ(ListFiles(Folder(dir) + "/b.jpg"), QStringList({"b.jpg"})); // doubled separator
}

TEST(FileUtil, ListFilesWithoutMatchGivesOneEmptyElement) {
    QTemporaryDir dir;
    Touch(dir.filePath("a.txt"));
    EXPECT_EQ(ListFiles(Folder(dir) + "*.jpg"), QStringList({""}));
    EXPECT_EQ(ListFiles(Folder(dir) + "missing/*.*"), QStringList({""}));
}

TEST(FileUtil, ListSubfolders) {
    QTemporaryDir dir;
    Touch(dir.filePath("only.txt"));
    EXPECT_EQ(ListSubfolders(Folder(dir)), QStringList({""})); // files only

    QDir d(dir.path());
    d.mkdir("Summer 2023");
    d.mkdir("album");
    d.mkdir(".hidden");
    Touch(dir.filePath("Album")); // a file whose name differs from a folder only in case
    EXPECT_EQ(ListSubfolders(Folder(dir)), QStringList({"album", "Summer 2023"}));
    EXPECT_EQ(ListSubfolders(dir.filePath("nothing/")), QStringList({""}));
}

TEST(FileUtil, ArrayContainsIsExact) {
    const QStringList names{"Album", "Trip"};
    EXPECT_TRUE(ArrayContains(names, "Trip"));
    EXPECT_FALSE(ArrayContains(names, "trip"));
    EXPECT_FALSE(ArrayContains(names, "Tri"));
    EXPECT_FALSE(ArrayContains({}, ""));
}

TEST(FileUtil, RenameWithShellRenamesAFolderWithItsContent) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("Old");
    Touch(dir.filePath("Old/book.pbx"));
    EXPECT_EQ(RenameWithShell(dir.filePath("Old") + "/", dir.filePath("New") + "/"), 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("New/book.pbx")));
    EXPECT_FALSE(QDir(dir.filePath("Old")).exists());
}

TEST(FileUtil, RenameWithShellRefusesMissingSourceAndExistingTarget) {
    QTemporaryDir dir;
    QDir d(dir.path());
    d.mkdir("A");
    d.mkdir("B"); // empty: a plain rename would replace it
    EXPECT_NE(RenameWithShell(dir.filePath("A"), dir.filePath("B")), 0);
    EXPECT_TRUE(d.exists("A"));
    EXPECT_NE(RenameWithShell(dir.filePath("Missing"), dir.filePath("C")), 0);
    EXPECT_FALSE(d.exists("C"));
}
