#pragma once

#include <QSet>
#include <QString>

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
// Deletes the held files of every photo whose name `keep` does not hold.
void Purge(const QString& bookFolder, const QSet<QString>& keep);
// Deletes the folder with everything in it.
void Clear(const QString& bookFolder);

} // namespace HeldPhotoFiles
