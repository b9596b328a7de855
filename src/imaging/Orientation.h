#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// What an EXIF orientation (1..8) does to a stored picture to show it
// upright: pixels, rectangles and sizes. Values outside 1..8 count as 1.

// True when the orientation exchanges width and height.
bool IsTurnedOrientation(int orientation);

// The upright size of a stored picture of `stored` size.
QSize UprightSize(QSize stored, int orientation);

// The stored picture made upright (exact pixel moves, no filtering).
QImage UprightImage(const QImage& stored, int orientation);

// Where the pixels `stored` of a stored picture of size `storedSize` lie once
// it is upright, and back.
QRect UprightRect(const QRect& stored, QSize storedSize, int orientation);
QRect StoredRect(const QRect& upright, QSize storedSize, int orientation);
