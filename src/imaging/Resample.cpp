#include "imaging/Resample.h"

#include "base/Rounding.h"
#include "imaging/PicturePart.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Box pixels scaled beyond each side of the part before the work no longer
// follows the part (a window magnified hundreds of times).
constexpr int kMaxOvershoot = 1024;

// Scales from which bilinear drawing is as sharp as area averaging (PSNR
// between the two above 55 dB on photos) and three times as fast.
constexpr double kBilinearFrom = 0.75;

// One direction of the scaling: source pixels [origin, origin + length) onto
// `box` pixels.
struct Axis {
    double origin;
    double length;
    int box;

    double Scale() const { return box / length; }
    double SourceAt(double boxAt) const { return origin + boxAt / Scale(); }
    double BoxAt(double sourceAt) const { return (sourceAt - origin) * Scale(); }
};

// Whole source pixels [first, end).
struct Span {
    int first;
    int end;
};

// The source pixels that box pixels [from, to) read, with the filter's reach,
// within a picture side of `side` pixels.
Span SourceSpan(const Axis& axis, int from, int to, int side) {
    const int reach = int(std::ceil(1.0 / std::min(axis.Scale(), 1.0))) + 2;
    return {std::max(0, int(std::floor(axis.SourceAt(from))) - reach),
            std::min(side, int(std::ceil(axis.SourceAt(to))) + reach)};
}

// The pixels of `rect` as RGB32: a view of the picture's own pixels when it
// is RGB32 already (valid while the picture lives).
QImage Rgb32Piece(const QImage& picture, const QRect& rect) {
    if (picture.format() != QImage::Format_RGB32)
        return picture.copy(rect).convertToFormat(QImage::Format_RGB32);
    return PartView(picture, rect);
}

// The part drawn bilinear straight from the source: magnification or a
// slight reduction, whose cost follows the part alone.
QImage Drawn(const QImage& picture, const Axis& across, const Axis& down, const QRect& part) {
    QImage target(part.size(), QImage::Format_RGB32);
    if (target.isNull())
        return {};
    target.fill(Qt::black);
    const QRectF from(across.SourceAt(part.left()), down.SourceAt(part.top()),
                      part.width() / across.Scale(), part.height() / down.Scale());
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(target.rect()), picture, from);
    painter.end();
    return target;
}

// The part cut from the smooth reduction of the whole source pixels it needs.
QImage Reduced(const QImage& picture, const Axis& across, const Axis& down, const QRect& part) {
    const Span xs = SourceSpan(across, part.left(), part.right() + 1, picture.width());
    const Span ys = SourceSpan(down, part.top(), part.bottom() + 1, picture.height());
    if (xs.first >= xs.end || ys.first >= ys.end)
        return {};
    // The box pixels that the span scales to.
    const auto edge = [](const Axis& axis, int at) { return int(RoundHalfEven(axis.BoxAt(at))); };
    const QRect scaled(QPoint(edge(across, xs.first), edge(down, ys.first)),
                       QPoint(edge(across, xs.end) - 1, edge(down, ys.end) - 1));
    if (scaled.isEmpty())
        return {};
    if (scaled.width() - part.width() > 2 * kMaxOvershoot ||
        scaled.height() - part.height() > 2 * kMaxOvershoot)
        return Drawn(picture, across, down, part);
    const QRect span(QPoint(xs.first, ys.first), QPoint(xs.end - 1, ys.end - 1));
    const QImage piece =
        Rgb32Piece(picture, span)
            .scaled(scaled.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (piece.isNull())
        return {};
    return SharedPart(piece.convertToFormat(QImage::Format_RGB32),
                      part.translated(-scaled.topLeft()));
}

} // namespace

QImage ResampleWindow(const QImage& picture, const QRectF& source, QSize size, const QRect& part) {
    const QRect wanted = part & QRect(QPoint(0, 0), size);
    if (picture.isNull() || !(source.width() > 0) || !(source.height() > 0) || wanted.isEmpty())
        return {};
    const Axis across{source.x(), source.width(), size.width()};
    const Axis down{source.y(), source.height(), size.height()};
    if (across.Scale() >= kBilinearFrom && down.Scale() >= kBilinearFrom)
        return Drawn(picture, across, down, wanted);
    return Reduced(picture, across, down, wanted);
}

QImage Resample(const QImage& picture, QSize size) {
    return ResampleWindow(picture, QRectF(picture.rect()), size, QRect(QPoint(0, 0), size));
}
