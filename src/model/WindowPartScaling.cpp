#include "model/WindowPartScaling.h"

#include "base/Rounding.h"
#include "imaging/FreeImageBridge.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double cBicubicReach = 2; // source pixels FreeImage's bicubic filter reads each side
constexpr int cMaxOvershoot = 1024; // box pixels scaled beyond each side of the part

// One direction of the scaling: `window` source pixels onto `box` pixels.
struct Axis {
    int window;
    int box;

    double Scale() const { return double(box) / window; }
    // The box pixel at which source pixel k starts.
    int Edge(int k) const { return int(RoundHalfEven(double(k) * box / window)); }
    // The source pixel under box pixel p.
    double Source(int p) const { return double(p) * window / box; }
};

// Source pixels [first, last) of the window.
struct Span {
    int first;
    int last;
};

// The source pixels that box pixels [from, to) read, with the filter's reach
// and one pixel more, within the window.
Span SourceSpan(const Axis& axis, int from, int to) {
    const int reach = int(std::ceil(cBicubicReach / std::min(axis.Scale(), 1.0))) + 1;
    return {std::max(0, int(std::floor(axis.Source(from))) - reach),
            std::min(axis.window, int(std::ceil(axis.Source(to))) + reach)};
}

// The part drawn bilinear from the source span alone.
FiBitmap DrawBilinear(FIBITMAP* picture, const QRect& window, const Axis& across, const Axis& down,
                      Span xs, Span ys, const QRect& part) {
    const FiBitmap piece(FreeImage_Copy(picture, window.left() + xs.first, window.top() + ys.first,
                                        window.left() + xs.last, window.top() + ys.last));
    const QImage source = FiToQImage(piece.get());
    QImage target(part.size(), QImage::Format_RGB32);
    if (source.isNull() || target.isNull())
        return {};
    const QRectF from(across.Source(part.left()) - xs.first, down.Source(part.top()) - ys.first,
                      across.Source(part.width()), down.Source(part.height()));
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(target.rect()), source, from);
    painter.end();
    return FiFromQImage(target);
}

} // namespace

FiBitmap ScaleWindowPart(FIBITMAP* picture, const QRect& window, QSize box, const QRect& part) {
    const QRect wanted = part & QRect(QPoint(0, 0), box);
    if (!picture || window.isEmpty() || wanted.isEmpty())
        return {};
    const Axis across{window.width(), box.width()};
    const Axis down{window.height(), box.height()};
    const Span xs = SourceSpan(across, wanted.left(), wanted.right() + 1);
    const Span ys = SourceSpan(down, wanted.top(), wanted.bottom() + 1);
    // The box pixels that the span scales to: the whole box for the whole window.
    const QRect scaled(QPoint(across.Edge(xs.first), down.Edge(ys.first)),
                       QPoint(across.Edge(xs.last) - 1, down.Edge(ys.last) - 1));
    if (scaled.width() - wanted.width() > 2 * cMaxOvershoot ||
        scaled.height() - wanted.height() > 2 * cMaxOvershoot)
        return DrawBilinear(picture, window, across, down, xs, ys, wanted);

    FiBitmap piece(FreeImage_RescaleRect(
        picture, scaled.width(), scaled.height(), window.left() + xs.first, window.top() + ys.first,
        window.left() + xs.last, window.top() + ys.last, FILTER_BICUBIC));
    if (!piece || scaled == wanted)
        return piece;
    const QPoint at = wanted.topLeft() - scaled.topLeft();
    return FiBitmap(FreeImage_Copy(piece.get(), at.x(), at.y(), at.x() + wanted.width(),
                                   at.y() + wanted.height()));
}
