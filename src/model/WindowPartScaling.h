#pragma once

#include "imaging/FiBitmap.h"

#include <QRect>
#include <QSize>

// Print scaling of a photo's window into its box, one part of the box at a
// time: only the source pixels that part needs are scaled, so the cost
// follows the part (at most a page), whatever size the box has.

// The pixels `part` (box pixels, counted from the box's top-left corner,
// inside the box) of the `window` of `picture` (top-down whole-pixel edges)
// scaled bicubic to `box`: 24-bit, part.width() x part.height(). For the whole
// box these are exactly the pixels of one bicubic rescale of the window; for
// a part they are those of the rescale of a slightly larger piece of the
// window, so they may differ from the whole box's by rounding. A piece that
// would have to be scaled far past the part (a window magnified hundreds of
// times) is scaled bilinear instead. Empty when a picture cannot be made.
FiBitmap ScaleWindowPart(FIBITMAP* picture, const QRect& window, QSize box, const QRect& part);
