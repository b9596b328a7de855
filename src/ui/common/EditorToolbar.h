#pragma once

#include <QList>
#include <QString>

class QAction;
class QToolBar;

// Toolbar helpers of the box editors: buttons are found by their key (the
// action's data).
QAction* ActionWithKey(const QList<QAction*>& actions, const QString& key);

// Adds the button that ends the edit, keyed `key`: a tick with the word
// "Done" beside it, so that it reads as the way out of the editor.
QAction* AddDoneButton(QToolBar* toolbar, const QString& key);
