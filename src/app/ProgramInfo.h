#pragma once

#include <cstdint>

// (major * 100 + minor) * 100 in 16-bit signed arithmetic; throws LumbraError
// on overflow.
int16_t VersionNumberOf(int major, int minor);

// The program's own version number, sent with order and update requests.
int16_t VersionNumber();

// Layout of the main window's side pane: 1 a strip across the top, 2 a
// column at the right. 1 while there is no book.
int16_t CurrentPaneView();
