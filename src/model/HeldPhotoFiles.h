#pragma once

#include <QSet>
#include <QString>
#include <functional>

// A photo taken out of a book may come back by an undo: its files wait in a
// hidden folder of the book (".held/") until no step can bring it back.
namespace HeldPhotoFiles {

inline constexpr auto kFolder = ".held";

// bookFolder + ".held/".
QString Folder(const QString& bookFolder);
// Moves the photo's files ("<name>_sm.jpg" ... "<name>_or.dim") into the folder.
void Hold(const QString& bookFolder, const QString& photoName);
// Moves them back into the book folder.
void Release(const QString& bookFolder, const QString& photoName);
// Moves back into the book folder the held files of every photo whose key
// (the last 32 characters of its name) `keys` holds: what a step cut short
// by a crash left behind while "book.pbx" still names it. A file the book
// folder already has stays held.
void ReleaseNamed(const QString& bookFolder, const QSet<QString>& keys);
// ReleaseNamed for the photos the pages of the folder's "book.pbx" name;
// with `clear`, then deletes the folder with what is still held.
void Settle(const QString& bookFolder, bool clear);
// Deletes the held files of every photo whose name `keep` does not hold;
// `beforeDeleting` runs once before the first file goes.
void Purge(const QString& bookFolder, const QSet<QString>& keep,
           const std::function<void()>& beforeDeleting = {});
// Deletes the folder with everything in it.
void Clear(const QString& bookFolder);

} // namespace HeldPhotoFiles
