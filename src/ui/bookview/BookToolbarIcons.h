#pragma once

#include <QIcon>
#include <QString>

// Icons of the book view: the desktop theme's where it has one, else a small
// drawn picture. Keys: the toolbar keys ("NewPage", "PreviousPage", "NextPage",
// "Import", "Order"), the page-view images "one" and "two", and "Delete".
QIcon BookToolbarIcon(const QString& key);
