#include "render/PhotoDrawing.h"

#include "base/LumbraError.h"
#include "base/Rounding.h"
#include "imaging/JpegDecode.h"
#include "imaging/Resample.h"
#include "imaging/WarningMark.h"
#include "model/PhotoImageWindow.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

// Full-size pixels read beyond the part on each side: the resampler's reach
// at the coarsest decoding scale, and some.
constexpr int kRegionMargin = 40;

// The screen decodes at 1/8, 1/4, 1/2 or whole: the decoder's fastest scales.
double FastScale(double factor) {
    for (const double scale : {0.125, 0.25, 0.5})
        if (factor <= scale)
            return scale;
    return 1.0;
}

int ClampTo16(double value) {
    return int(std::clamp<double>(value, std::numeric_limits<int16_t>::min(),
                                  std::numeric_limits<int16_t>::max()));
}

// The full-size picture turned by the photo's angle.
QSize TurnedFullSize(const PhotoPlacement& photo) {
    if (photo.fullSize.isEmpty())
        throw LumbraError(QStringLiteral("The size of %1 is unknown").arg(photo.name));
    return TurnedSize(photo.fullSize, photo.angle);
}

QSizeF BoxShape(const PhotoPlacement& photo, QSize drawing) {
    if (photo.boxMm.width() > 0 && photo.boxMm.height() > 0)
        return photo.boxMm;
    return QSizeF(drawing);
}

PhotoWindow WindowIn(const PhotoPlacement& photo, QSize picture, QSize drawing) {
    const QSizeF shape = BoxShape(photo, drawing);
    return VisibleWindow(picture.width(), picture.height(), shape.width(), shape.height(),
                         photo.ratio);
}

// Scale of the full-size picture at which the window covers `box` pixels.
double CoverFactor(const PhotoPlacement& photo, QSize box) {
    const PhotoWindow window = WindowIn(photo, TurnedFullSize(photo), box);
    if (window.width <= 0 || window.height <= 0)
        return 1.0;
    return std::max(box.width() / window.width, box.height() / window.height);
}

// Turning counter-clockwise by `angle` degrees: the transform QImage applies.
QTransform TurnOf(QSize picture, int angle) {
    return QImage::trueMatrix(QTransform().rotate(-angle), picture.width(), picture.height());
}

QImage Turned(const QImage& picture, int angle) {
    if (angle % 360 == 0)
        return picture;
    return picture.transformed(QTransform().rotate(-angle));
}

QImage Decode(const QString& file,
              const std::function<JpegDecodeRequest(const JpegHeader&)>& requestOf,
              DecodedPhoto* decoded) {
    *decoded = DecodeJpeg(file, requestOf);
    if (decoded->picture.isNull())
        throw LumbraError(QStringLiteral("Cannot read the picture %1").arg(file));
    return decoded->picture;
}

// The upright full-size pixels that box pixels `part` read, with a margin.
QRect UprightRegion(const PhotoPlacement& photo, QSize box, const QRect& part) {
    const QSize full = TurnedFullSize(photo);
    const QRect window =
        WindowRect(full.width(), full.height(), photo.x, photo.y, WindowIn(photo, full, box));
    const double sx = double(window.width()) / box.width();
    const double sy = double(window.height()) / box.height();
    const QRectF read(window.x() + part.x() * sx, window.y() + part.y() * sy, part.width() * sx,
                      part.height() * sy);
    const QRectF upright = TurnOf(photo.fullSize, photo.angle).inverted().mapRect(read);
    return upright.toAlignedRect()
        .adjusted(-kRegionMargin, -kRegionMargin, kRegionMargin, kRegionMargin)
        .intersected(QRect(QPoint(0, 0), photo.fullSize));
}

} // namespace

const QImage& PhotoPictures::Turned(const PhotoPlacement& photo, ThumbType type, double factor) {
    const QString file = photo.File(type);
    const bool fineEnough = mScale >= std::min(factor, mFileScale) * (1 - 1e-9);
    if (file != mFile || mUpright.isNull() || !fineEnough) {
        const int fullWidth = std::max(1, photo.fullSize.width());
        DecodedPhoto decoded;
        // The factor is of the full-size picture; a thumbnail is smaller.
        mUpright = Decode(
            file,
            [factor, fullWidth](const JpegHeader& header) {
                return JpegDecodeRequest{FastScale(factor * fullWidth / std::max(1, header.width)),
                                         {}};
            },
            &decoded);
        mFile = file;
        mScale = double(mUpright.width()) / fullWidth;
        mFileScale = double(decoded.header.width) / fullWidth;
        mTurned = QImage();
    }
    if (mTurned.isNull() || mAngle != photo.angle) {
        mTurned = ::Turned(mUpright, photo.angle);
        mAngle = photo.angle;
    }
    return mTurned;
}

void DrawPhoto(QPainter& painter, const PhotoPlacement& photo, const QRect& target, bool warning,
               const QImage& marker, PhotoPictures& pictures) {
    if (target.width() < 1 || target.height() < 1)
        return;
    int wanted = ClampTo16(RoundHalfEven(target.width() / double(photo.ratio)));
    int other = ClampTo16(RoundHalfEven(target.height() / double(photo.ratio)));
    if (IsQuarterTurned(photo.angle))
        std::swap(wanted, other);
    const ThumbType type = OptimalThumbType(wanted, other, kPhotoThumbLimits);
    const QImage& picture = pictures.Turned(photo, type, CoverFactor(photo, target.size()));

    const int tw = picture.width();
    const int th = picture.height();
    const PhotoWindow window = WindowIn(photo, picture.size(), target.size());
    const double scale = double(float(tw) / TurnedFullSize(photo).width());
    const QRect source = WindowRect(tw, th, double(RoundHalfEven(photo.x * scale)),
                                    double(RoundHalfEven(photo.y * scale)), window);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture, source);
    if (photo.tooSmall && warning)
        DrawWarningMark(painter, target, marker);
    painter.restore();
}

QImage PrintPhotoPart(const PhotoPlacement& photo, QSize box, const QRect& part) {
    const QRect wanted = part & QRect(QPoint(0, 0), box);
    if (wanted.isEmpty())
        throw LumbraError(QStringLiteral("Empty print size for %1").arg(photo.name));
    const JpegDecodeRequest request{CoverFactor(photo, box), UprightRegion(photo, box, wanted)};
    DecodedPhoto decoded;
    const QImage picture = Turned(Decode(
                                      photo.File(ThumbType::Original),
                                      [&request](const JpegHeader&) { return request; }, &decoded),
                                  photo.angle);

    const QSize turned = TurnedSize(decoded.scaledSize, photo.angle);
    const QPoint at = TurnOf(decoded.scaledSize, photo.angle)
                          .mapRect(QRectF(decoded.scaledPart))
                          .toRect()
                          .topLeft();
    const double scale = double(turned.width()) / TurnedFullSize(photo).width();
    const QRect window = WindowRect(turned.width(), turned.height(), photo.x * scale,
                                    photo.y * scale, WindowIn(photo, turned, box));
    if (window.isEmpty())
        throw LumbraError(QStringLiteral("Empty window of %1").arg(photo.name));
    QImage result = ResampleWindow(picture, QRectF(window.translated(-at)), box, wanted);
    if (result.isNull())
        throw LumbraError(QStringLiteral("Cannot scale %1 for print").arg(photo.name));
    return result;
}
