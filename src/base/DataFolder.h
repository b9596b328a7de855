#pragma once

#include <QString>

// The folder of the program's read-only data: language files, the too-small
// marker, the introduction picture and the delivered backgrounds. In a build
// folder they lie beside the binary; in an installed prefix in
// share/lumbra, found as ../share/lumbra from the binary's folder. The first
// of the two that holds the English language file wins; when neither does,
// the binary's own folder (start-up then names the missing file there).
// The path ends with "/".
QString DataFolderFor(const QString& programFolder);

// The data folder of the running program (QCoreApplication must exist).
QString DataFolder();
