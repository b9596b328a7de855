#include "base/UserFolders.h"

#include <QFile>

#include <QDir>
#include <QStandardPaths>

namespace {

QString WithSlash(QString path) {
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

FolderLayout LayoutInApplicationFolder(const QString& application, const QString& pictures) {
    FolderLayout l;
    l.application = application;
    l.books = application + QStringLiteral("Lumbras/");
    l.backgrounds = application + QStringLiteral("Backgrounds/");
    l.bgTemp = application + QStringLiteral("bgTemp/");
    l.pictures = pictures;
    return l;
}

} // namespace

FolderLayout WindowsFolderLayout(QString docs) {
    docs = WithSlash(docs.replace(QLatin1Char('\\'), QLatin1Char('/')));
    const qsizetype p = docs.indexOf(QLatin1String("My Documents"), 0, Qt::CaseInsensitive);
    if (p >= 0)
        return FolderLayoutBelow(docs.left(p) + QStringLiteral("Application Data/"),
                                 docs + QStringLiteral("My Pictures/"));
    const qsizetype q = docs.indexOf(QLatin1String("Documents"), 0, Qt::CaseInsensitive);
    if (q >= 0)
        return FolderLayoutBelow(docs.left(q) + QStringLiteral("AppData/"),
                                 docs.left(q) + QStringLiteral("Pictures/"));
    return FolderLayoutBelow(docs, docs);
}

FolderLayout FolderLayoutBelow(const QString& base, const QString& pictures) {
    return LayoutInApplicationFolder(WithSlash(base) + QStringLiteral("Brelk/"),
                                     WithSlash(pictures));
}

FolderLayout UserFolders::PlatformLayout() {
#ifdef Q_OS_WIN
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        docs = QDir::homePath(); // never fall back to a path relative to the working folder
    return WindowsFolderLayout(WithSlash(docs));
#else
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty())
        pictures = QDir::homePath();
    return FolderLayoutBelow(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                             pictures);
#endif
}

void UserFolders::SetUpUserFolders() { SetUpUserFolders(PlatformLayout()); }

void UserFolders::SetUpUserFolders(const FolderLayout& layout) {
    mLayout = layout;
    QDir dir;
    for (const QString& folder :
         {layout.application, layout.books, layout.backgrounds, layout.bgTemp})
        dir.mkpath(folder);
}

QString UserFolders::GetSettingsFile() const {
    return mLayout.application + QStringLiteral("Brelk.ini");
}

QString UnreadableFolderVariable() {
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
        const QByteArray value = qgetenv(name);
        if (QFile::encodeName(QFile::decodeName(value)) != value)
            return QString::fromLatin1(name);
    }
    return {};
}
