#pragma once

#include <QList>
#include <QString>

class QAction;

// Toolbar helper of the box editors: buttons are found by their key (the
// action's data).
QAction* ActionWithKey(const QList<QAction*>& actions, const QString& key);
