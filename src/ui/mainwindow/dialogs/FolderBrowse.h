#pragma once

#include <QString>

class QWidget;

// The folder picker. Returns the chosen folder without a trailing separator,
// or the empty text when the user cancels.
QString BrowseForFolder(QWidget* owner, const QString& title);
