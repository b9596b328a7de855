#include "imaging/Blit.h"

namespace {

QPainter::CompositionMode ModeOf(blit::RasterOp operation) {
    switch (operation) {
    case blit::RasterOp::And: return QPainter::RasterOp_SourceAndDestination;
    case blit::RasterOp::Xor: return QPainter::RasterOp_SourceXorDestination;
    case blit::RasterOp::Or: return QPainter::RasterOp_SourceOrDestination;
    case blit::RasterOp::NotCopy: return QPainter::RasterOp_NotSource;
    case blit::RasterOp::Copy: break;
    }
    return QPainter::CompositionMode_Source;
}

bool CanDraw(QPainter* destination, const QImage* source) {
    return destination && destination->isActive() && source && !source->isNull();
}

} // namespace

namespace blit {

void StretchDraw(QPainter* destination, int x, int y, int width, int height, const QImage* source,
                 int sourceX, int sourceY, int sourceWidth, int sourceHeight, RasterOp operation) {
    if (!CanDraw(destination, source))
        return;
    destination->setRenderHint(QPainter::SmoothPixmapTransform, false);
    destination->save();
    destination->setCompositionMode(ModeOf(operation));
    destination->drawImage(QRect(x, y, width, height), *source,
                           QRect(sourceX, sourceY, sourceWidth, sourceHeight));
    destination->restore();
}

void TransparentDraw(QPainter* destination, const QImage* source, int x, int y, int width,
                     int height, QRgb key) {
    if (!CanDraw(destination, source) || width <= 0 || height <= 0)
        return;
    QImage masked = source->copy(0, 0, width, height).convertToFormat(QImage::Format_ARGB32);
    const QRgb keyColour = key & RGB_MASK;
    for (int row = 0; row < masked.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(row));
        for (int column = 0; column < masked.width(); ++column)
            line[column] = (line[column] & RGB_MASK) == keyColour ? 0u : (line[column] | ~RGB_MASK);
    }
    destination->save();
    destination->setCompositionMode(QPainter::CompositionMode_SourceOver);
    destination->drawImage(x, y, masked);
    destination->restore();
}

} // namespace blit
