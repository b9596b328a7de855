#pragma once

#include <QIcon>
#include <QString>

// Drawn icons of the photo box editor's toolbar, by key: "small", "big",
// "rotateLeft", "rotateRight", "ok". Unknown keys give an empty icon.
QIcon ImageControlIcon(const QString& key);
