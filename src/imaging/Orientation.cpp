#include "imaging/Orientation.h"

#include <QTransform>

#include <algorithm>

namespace {

int Valid(int orientation) { return orientation >= 1 && orientation <= 8 ? orientation : 1; }

// The orientation that undoes `orientation` on the upright picture.
int Inverse(int orientation) {
    orientation = Valid(orientation);
    return orientation == 6 ? 8 : orientation == 8 ? 6 : orientation;
}

// The upright place of stored pixel (x, y) of a w x h picture.
QPoint UprightPixel(QPoint p, QSize size, int orientation) {
    const int x = p.x(), y = p.y(), w = size.width(), h = size.height();
    switch (Valid(orientation)) {
    case 2: return {w - 1 - x, y};
    case 3: return {w - 1 - x, h - 1 - y};
    case 4: return {x, h - 1 - y};
    case 5: return {y, x};
    case 6: return {h - 1 - y, x};
    case 7: return {h - 1 - y, w - 1 - x};
    case 8: return {y, w - 1 - x};
    default: return p;
    }
}

} // namespace

bool IsTurnedOrientation(int orientation) { return orientation >= 5 && orientation <= 8; }

QSize UprightSize(QSize stored, int orientation) {
    return IsTurnedOrientation(orientation) ? stored.transposed() : stored;
}

QImage UprightImage(const QImage& stored, int orientation) {
    // Turned clockwise first (for 5..8), then mirrored.
    constexpr int kQuarterTurns[9] = {0, 0, 0, 2, 0, 1, 1, 1, 3};
    constexpr bool kMirrorAcross[9] = {false, false, true, false, false, true, false, false, false};
    constexpr bool kMirrorDown[9] = {false, false, false, false, true, false, false, true, false};
    const int o = Valid(orientation);
    QImage image = stored;
    if (kQuarterTurns[o] == 2)
        image = image.mirrored(true, true);
    else if (kQuarterTurns[o] != 0)
        image = image.transformed(QTransform().rotate(90.0 * kQuarterTurns[o]));
    if (kMirrorAcross[o] || kMirrorDown[o])
        image = image.mirrored(kMirrorAcross[o], kMirrorDown[o]);
    return image;
}

QRect UprightRect(const QRect& stored, QSize storedSize, int orientation) {
    if (stored.isEmpty())
        return {};
    const QPoint a = UprightPixel(stored.topLeft(), storedSize, orientation);
    const QPoint b = UprightPixel(stored.bottomRight(), storedSize, orientation);
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

QRect StoredRect(const QRect& upright, QSize storedSize, int orientation) {
    return UprightRect(upright, UprightSize(storedSize, orientation), Inverse(orientation));
}
