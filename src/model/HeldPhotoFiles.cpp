#include "model/HeldPhotoFiles.h"

#include "model/BookFiles.h"
#include "model/BookStateFile.h"
#include "model/ModelLog.h"
#include "model/PageTextForm.h"
#include "model/PoolRecord.h"

#include <QDir>
#include <QFile>
#include <utility>

namespace HeldPhotoFiles {

namespace {

// The files of a photo: its record, then the pictures from the full-size one down.
QStringList FilesOf(const QString& photoName) {
    QStringList files{PoolRecordPath(photoName)};
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

void ReleaseNamed(const QString& bookFolder, const QSet<QString>& keys) {
    const QDir held(Folder(bookFolder));
    if (keys.isEmpty() || !held.exists())
        return;
    const QDir book(bookFolder);
    for (const QString& file : held.entryList(QDir::Files | QDir::Hidden)) {
        if (!keys.contains(PhotoNameOf(file).right(32)) || book.exists(file))
            continue;
        if (QFile::rename(held.filePath(file), book.filePath(file)))
            qCInfo(lcModel) << "Brought back" << file << "which the book still names";
        else
            qCWarning(lcModel) << "Cannot move" << held.filePath(file) << "back into" << bookFolder;
    }
}

void Settle(const QString& bookFolder, bool clear) {
    if (!QDir(Folder(bookFolder)).exists())
        return;
    const QString bookText =
        BookStateFile::ReadJoined(QDir(bookFolder).filePath(QLatin1String(BookFiles::kBookState)));
    QSet<QString> named;
    for (const QString& page : BookStateFile::Split(bookText))
        for (const PageTextForm::ImageEntry& entry : PageTextForm::ReadImages(page))
            if (!entry.key.isEmpty())
                named.insert(entry.key);
    ReleaseNamed(bookFolder, named);
    if (clear)
        Clear(bookFolder);
}

void Purge(const QString& bookFolder, const QSet<QString>& keep,
           const std::function<void()>& beforeDeleting) {
    QDir held(Folder(bookFolder));
    if (!held.exists())
        return;
    bool first = true;
    for (const QString& file : held.entryList(QDir::Files | QDir::Hidden)) {
        if (keep.contains(PhotoNameOf(file)))
            continue;
        if (std::exchange(first, false) && beforeDeleting)
            beforeDeleting();
        held.remove(file);
    }
    if (held.isEmpty())
        QDir(bookFolder).rmdir(QLatin1String(kFolder));
}

void Clear(const QString& bookFolder) {
    QDir held(Folder(bookFolder));
    if (held.exists())
        held.removeRecursively();
}

} // namespace HeldPhotoFiles
