#include "base/UserFolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void ExpectLayout(const FolderLayout& l, const QString& app, const QString& pictures) {
    EXPECT_EQ(l.application, app);
    EXPECT_EQ(l.books, app + "Lumbras/");
    EXPECT_EQ(l.backgrounds, app + "Backgrounds/");
    EXPECT_EQ(l.bgTemp, app + "bgTemp/");
    EXPECT_EQ(l.pictures, pictures);
}

} // namespace

TEST(UserFolders, WindowsLayoutFromTheDocumentsFolder) {
    ExpectLayout(WindowsFolderLayout("C:\\Documents and Settings\\user\\My Documents\\"),
                 "C:/Documents and Settings/user/Application Data/Brelk/",
                 "C:/Documents and Settings/user/My Documents/My Pictures/");
    ExpectLayout(WindowsFolderLayout("C:/Users/user/Documents/"), "C:/Users/user/AppData/Brelk/",
                 "C:/Users/user/Pictures/");
    // the first "Documents" may lie in the user name
    ExpectLayout(WindowsFolderLayout("C:/Users/Documents Fan/Documents/"),
                 "C:/Users/AppData/Brelk/", "C:/Users/Pictures/");
    // letter case does not matter
    ExpectLayout(WindowsFolderLayout("D:/profile/my documents/"),
                 "D:/profile/Application Data/Brelk/", "D:/profile/my documents/My Pictures/");
    // neither name: the application folder lies inside the documents folder
    ExpectLayout(WindowsFolderLayout("E:/Files/"), "E:/Files/Brelk/", "E:/Files/");
    ExpectLayout(WindowsFolderLayout(""), "Brelk/", "");
    // a documents path given without its final separator
    ExpectLayout(WindowsFolderLayout("C:/Users/user/My Documents"),
                 "C:/Users/user/Application Data/Brelk/",
                 "C:/Users/user/My Documents/My Pictures/");
}

TEST(UserFolders, SetUpCreatesTheFoldersBelowARoot) {
    QTemporaryDir root;
    UserFolders folders;
    folders.SetUpUserFolders(FolderLayoutBelow(root.path(), root.filePath("pics")));
    const QString app = root.path() + "/Brelk/";
    EXPECT_EQ(folders.GetApplicationFolder(), app);
    EXPECT_EQ(folders.GetBooksFolder(), app + "Lumbras/");
    EXPECT_EQ(folders.GetBackgroundsFolder(), app + "Backgrounds/");
    EXPECT_EQ(folders.GetBackgroundTempFolder(), app + "bgTemp/");
    EXPECT_EQ(folders.GetPicturesFolder(), root.path() + "/pics/");
    EXPECT_EQ(folders.GetSettingsFile(), app + "Brelk.ini");
    for (const QString& f : {folders.GetBooksFolder(), folders.GetBackgroundsFolder(),
                             folders.GetBackgroundTempFolder()})
        EXPECT_TRUE(QDir(f).exists()) << f.toStdString();
    EXPECT_FALSE(QDir(folders.GetPicturesFolder()).exists()); // never written

    folders.SetUpUserFolders(FolderLayoutBelow(root.path(), root.path())); // folders already there
    EXPECT_TRUE(QDir(folders.GetBooksFolder()).exists());
}

TEST(UserFolders, PlatformLayoutEndsInTheFixedFolders) {
    const FolderLayout l = UserFolders::PlatformLayout();
    EXPECT_TRUE(l.application.endsWith("/Brelk/"));
    EXPECT_TRUE(QDir::isAbsolutePath(l.application));
    EXPECT_TRUE(l.pictures.endsWith('/'));
}
