#pragma once

#include <QString>

class QWidget;

// Where the folder picker opens: the user's pictures folder, or the home
// folder when there is none (never the folder the program was started in).
QString FolderBrowseStart();

// The folder picker. Returns the chosen folder without a trailing separator,
// or the empty text when the user cancels.
QString BrowseForFolder(QWidget* owner, const QString& title);
