#pragma once

#include <QImage>
#include <QRect>

// `rect` (inside the picture) of a picture of 32-bit pixels, without copying:
// the part keeps the whole picture's pixels while it lives, and is read-only
// (writing to it copies it first).
QImage SharedPart(QImage picture, const QRect& rect);

// A read-only view of `rect`, valid only while `picture` lives.
QImage PartView(const QImage& picture, const QRect& rect);
