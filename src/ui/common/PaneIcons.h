#pragma once

#include <QIcon>
#include <QString>

// The pictures of the side pane's toolbar buttons: "photos", "album" and
// "backgrounds"; an empty icon for other keys.
QIcon PaneIcon(const QString& key);
