#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

// The marks of the editing view, made on scanlines as overlays whose pixels
// are either fully opaque or fully transparent, so laying one over a page
// sets exactly its opaque pixels.

inline constexpr QRgb kLightGrey = qRgb(192, 192, 192);
inline constexpr QRgb kDarkGrey = qRgb(64, 64, 64);

// An empty photo box at `box` (page pixels): light grey where the page
// coordinates x + y are even, then a dark grey frame 2 pixels wide. Only the
// part within `visible` (page pixels) is made; it goes at the top-left
// corner of box & visible.
QImage EmptyBoxOverlay(const QRect& box, const QRect& visible);
inline QImage EmptyBoxOverlay(const QRect& box) { return EmptyBoxOverlay(box, box); }

// The frame of a text box, 2 pixels wide, in dashes of 4 pixels: light grey
// where the offset along the edge \ 4 is even, dark grey where it is odd.
// Rows are drawn first, so the columns' colours win at the corners. Only the
// part of the box within `visible` is made, as above.
QImage DashedFrameOverlay(const QRect& box, const QRect& visible);
QImage DashedFrameOverlay(int width, int height);
