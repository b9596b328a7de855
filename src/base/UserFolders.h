#pragma once

#include <QString>

// The per-user folders. Every path ends with "/".
struct FolderLayout {
    QString application; // holds the three folders below and "Brelk.ini"
    QString books;
    QString backgrounds;
    QString bgTemp;
    QString pictures; // not written; start folder of the photo import
};

// The Windows layout derived from the documents folder (which ends with a
// separator; "\" is read as "/"): "...\My Documents\" gives the sibling
// "Application Data\Brelk\", "...\Documents\" the sibling "AppData\Brelk\",
// anything else "Brelk\" inside the documents folder.
FolderLayout WindowsFolderLayout(QString docs);

// The fixed layout below an application base folder: base + "Brelk/" and
// inside it "Lumbras/", "Backgrounds/", "bgTemp/".
FolderLayout FolderLayoutBelow(const QString& base, const QString& pictures);

// The first variable that places the user's folders (HOME, XDG_DATA_HOME,
// XDG_CONFIG_HOME, XDG_CACHE_HOME) whose value is not text in the file name
// encoding: Qt would read it with replacement characters, and the books
// would go to a folder of that other name. Empty when all are usable.
QString UnreadableFolderVariable();

class UserFolders {
public:
    // The platform's layout: derived from the documents folder on Windows,
    // below the application data location elsewhere.
    static FolderLayout PlatformLayout();

    // Takes the platform layout and creates its folders.
    void SetUpUserFolders();
    // Takes the given layout and creates the application folder, then the
    // books, backgrounds and scratch folders. Creation failures are ignored.
    void SetUpUserFolders(const FolderLayout& layout);

    QString GetApplicationFolder() const { return mLayout.application; }
    QString GetBooksFolder() const { return mLayout.books; }
    QString GetBackgroundsFolder() const { return mLayout.backgrounds; }
    QString GetBackgroundTempFolder() const { return mLayout.bgTemp; }
    QString GetPicturesFolder() const { return mLayout.pictures; }
    // "Brelk.ini" in the application folder.
    QString GetSettingsFile() const;

private:
    FolderLayout mLayout;
};
