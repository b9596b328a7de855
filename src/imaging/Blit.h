#pragma once

#include <QImage>
#include <QPainter>
#include <QRgb>

// Copies between drawing surfaces. A null destination or source draws nothing.
namespace blit {

enum class RasterOp {
    Copy,       // source
    And,        // source AND destination
    Xor,        // source XOR destination
    Or,         // source OR destination
    NotCopy,    // NOT source
};

// Scales the source rectangle onto the destination rectangle, nearest pixel
// (no smoothing, which stays switched off on the destination).
void StretchDraw(QPainter* destination, int x, int y, int width, int height, const QImage* source,
                 int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                 RasterOp operation = RasterOp::Copy);

// Copies the source's width x height pixels at (0, 0) to (x, y) of the
// destination, leaving the destination as it is wherever the source pixel
// has the key colour (alpha ignored).
void TransparentDraw(QPainter* destination, const QImage* source, int x, int y, int width,
                     int height, QRgb key);

} // namespace blit
