#pragma once

#include <QIcon>
#include <QString>

// Drawn icons of the text box editor's toolbar, by key: "alignLeft",
// "alignCenter", "alignRight", "bold", "italic", "underline" and "color".
// Unknown keys give an empty icon.
QIcon TextControlIcon(const QString& key);
