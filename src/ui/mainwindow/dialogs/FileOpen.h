#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The multi-select open dialog for photos. filter is "description|pattern"
// pairs joined by "|" ("Photos|*.jpg *.jpeg"). Returns full paths, or one empty
// element when the user cancels.
QStringList ShowOpenFileDialog(const QString& filter, const QString& initialFolder,
                               const QString& title, QWidget* owner = nullptr);

// "desc|pattern|desc|pattern" as QFileDialog name filters "desc (pattern)".
QString FileDialogNameFilters(const QString& filter);
