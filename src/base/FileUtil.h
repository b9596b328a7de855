#pragma once

#include <QString>
#include <QStringList>

// Names (without folder) of the files matching a pattern such as
// "/some/folder/*.jpg": hidden and system files included, folders excluded,
// matched without regard to case, sorted by name. "*.*" matches every name.
// Nothing found gives one empty element.
QStringList ListFiles(const QString& pattern);

// Names of the subfolders of a folder, hidden ones excluded, sorted by name.
// None gives one empty element.
QStringList ListSubfolders(const QString& folder);

// True when an element equals the text exactly (case-sensitive).
bool ArrayContains(const QStringList& array, const QString& text);

// Renames a file or folder; 0 on success, non-zero when the source is
// missing, the target exists already or the rename fails.
int RenameWithShell(const QString& fromPath, const QString& toPath);
