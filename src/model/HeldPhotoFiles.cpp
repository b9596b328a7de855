#include "model/HeldPhotoFiles.h"

#include "model/ModelLog.h"

#include <QDir>
#include <QFile>

namespace HeldPhotoFiles {

namespace {

// The eight files of a photo, from the full-size picture down.
QStringList FilesOf(const QString& photoName) {
    QStringList files;
    for (const char* size : {"_or", "_lg", "_md", "_sm"})
        for (const char* type : {".dim", ".jpg"})
            files << photoName + QLatin1String(size) + QLatin1String(type);
    return files;
}

void Move(const QDir& from, QDir to, const QString& file) {
    if (!from.exists(file))
        return;
    to.remove(file); // a rename does not replace
    if (!QFile::rename(from.filePath(file), to.filePath(file)))
        qCWarning(lcModel) << "Cannot move" << from.filePath(file) << "to" << to.path();
}

// The photo name of a held file: everything before the last "_".
QString PhotoNameOf(const QString& file) { return file.left(file.lastIndexOf(QLatin1Char('_'))); }

} // namespace

QString Folder(const QString& bookFolder) {
    return QDir(bookFolder).filePath(QLatin1String(kFolder)) + QLatin1Char('/');
}

void Hold(const QString& bookFolder, const QString& photoName) {
    const QDir book(bookFolder);
    if (!book.mkpath(QLatin1String(kFolder)))
        return;
    const QDir held(Folder(bookFolder));
    for (const QString& file : FilesOf(photoName))
        Move(book, held, file);
}

void Release(const QString& bookFolder, const QString& photoName) {
    const QDir held(Folder(bookFolder));
    for (const QString& file : FilesOf(photoName))
        Move(held, QDir(bookFolder), file);
}

void Purge(const QString& bookFolder, const QSet<QString>& keep) {
    QDir held(Folder(bookFolder));
    if (!held.exists())
        return;
    for (const QString& file : held.entryList(QDir::Files | QDir::Hidden))
        if (!keep.contains(PhotoNameOf(file)))
            held.remove(file);
    if (held.isEmpty())
        QDir(bookFolder).rmdir(QLatin1String(kFolder));
}

void Clear(const QString& bookFolder) {
    QDir held(Folder(bookFolder));
    if (held.exists())
        held.removeRecursively();
}

} // namespace HeldPhotoFiles
