#pragma once

#include "imaging/FiBitmap.h"

#include <QImage>
#include <QRect>
#include <QRgb>

// Pixel work of page rendering, done on scanlines: the marks of the editing
// view (drawn as overlays whose pixels are either fully opaque or fully
// transparent, so laying one over a page sets exactly its opaque pixels)
// and the composition of print pictures.

inline constexpr QRgb cLightGrey = qRgb(192, 192, 192);
inline constexpr QRgb cDarkGrey = qRgb(64, 64, 64);

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

// A 24-bit white picture; empty when it cannot be made.
FiBitmap WhitePicture(int width, int height);

// Copies `picture` into `target` (both 24-bit) with its top-left corner at
// (x, y) counted from the top; what falls outside `target` is cut off.
void PasteClipped(FIBITMAP* target, FIBITMAP* picture, int x, int y);

// Lays a premultiplied ARGB overlay over a 24-bit picture at (x, y) counted
// from the top; transparent pixels leave the picture unchanged, and what
// falls outside it is ignored.
void BlendOver(FIBITMAP* target, const QImage& overlay, int x, int y);
