#pragma once

#include <QIcon>

// The desktop theme's icon of that name, or a simple stand-in from the
// widget style when the theme has none.
QIcon MenuIcon(const char* themeName);
