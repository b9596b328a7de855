#pragma once

#include <FreeImage.h>

class PaintSurface;
class QPainter;

// Paints a FreeImage picture stretched into a rectangle of a surface, with
// no smoothing (the cheap screen stretch). Source coordinates count rows from
// the bottom, as in a bottom-up bitmap. A source width or height of 0 means
// the picture's own; a destination width or height of 0 means the source's.
// Does nothing when the surface or the picture is missing.
void PaintImage(PaintSurface& surface, FIBITMAP* picture, int dx, int dy, int dw, int dh, int sx,
                int sy, int sw, int sh);
void PaintImage(QPainter& painter, FIBITMAP* picture, int dx, int dy, int dw, int dh, int sx,
                int sy, int sw, int sh);
