#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>

// Smooth scaling of photos (Qt's own: area averaging below 3/4, bilinear
// above),
// chosen by measurement against the bicubic filter used before. Safe on any
// thread.

// The `source` rectangle (pixels of `picture`, fractional allowed) scaled to
// a box of `size` pixels; returns only the pixels `part` of that box (box
// pixels from its top-left corner, clipped to the box), Format_RGB32. Only
// the source pixels the part needs are read and scaled, so the cost follows
// the part whatever the box's size. Pixels may lie up to half a box pixel
// off where a part of a reduced picture starts (whole pixels of the source
// are scaled). Null when the picture cannot be made.
QImage ResampleWindow(const QImage& picture, const QRectF& source, QSize size, const QRect& part);

// The whole picture to `size`, with the same filter.
QImage Resample(const QImage& picture, QSize size);
