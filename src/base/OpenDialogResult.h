#pragma once

#include <QString>
#include <QStringList>

// The paths chosen in a multi-select open dialog that fills a NUL-separated
// buffer: the first piece is the file (one chosen) or the folder (several),
// the later NUL-ended pieces are names in that folder, trimmed of blanks,
// empty ones skipped. Cancel gives one empty element.
QStringList ParseOpenDialogResult(const QString& buffer, bool cancelled);
