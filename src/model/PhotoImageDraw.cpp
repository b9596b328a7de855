#include "model/PhotoImage.h"

#include "base/LumbraError.h"
#include "base/Rounding.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/PaintSurface.h"
#include "imaging/PhotoImageDecode.h"
#include "imaging/WarningMark.h"
#include "model/PhotoImageWindow.h"
#include "model/TemplateBox.h"
#include "model/WindowPartScaling.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <limits>

namespace {

int ClampTo16(double value) {
    return int(std::clamp<double>(value, std::numeric_limits<int16_t>::min(),
                                  std::numeric_limits<int16_t>::max()));
}

} // namespace

QSizeF PhotoImage::BoxShape(int aWidth, int aHeight) const {
    if (HasBox())
        return {mPhotoBox->width(), mPhotoBox->height()};
    return {double(aWidth), double(aHeight)};
}

double PhotoImage::CoverFactor(int aWidth, int aHeight) const {
    const QSize full = RotatedFullSize();
    const QSizeF box = BoxShape(aWidth, aHeight);
    const PhotoWindow window =
        VisibleWindow(full.width(), full.height(), box.width(), box.height(), mRatio);
    if (window.width <= 0 || window.height <= 0)
        return 1.0;
    return std::max(aWidth / window.width, aHeight / window.height);
}

FiBitmap PhotoImage::DecodeTurned(ThumbType type, double factor, int flags) const {
    DecodedJpeg decoded = LoadJpegCovering(GetThumbFile(type), factor, flags);
    if (!decoded.picture)
        throw LumbraError(QStringLiteral("Cannot read the picture %1").arg(GetThumbFile(type)));
    if (mAngle % 360 == 0)
        return std::move(decoded.picture);
    FiBitmap turned(FreeImage_Rotate(decoded.picture.get(), mAngle));
    if (!turned)
        throw LumbraError(QStringLiteral("Cannot turn the picture %1").arg(GetThumbFile(type)));
    return turned;
}

void PhotoImage::EnsureCachedPicture(ThumbType type, int aWidth, int aHeight) {
    const bool original = type == ThumbType::Original;
    const double factor = original ? CoverFactor(aWidth, aHeight) : 1.0;
    const bool fineEnough = !original || mCachedScale >= std::min(factor, 1.0);
    if (type == mCachedType && !mCached.isNull() && fineEnough)
        return;
    ReleaseCache();
    const FiBitmap picture = DecodeTurned(type, factor, 0);
    mCached = FiToQImage(picture.get());
    if (mCached.isNull())
        throw LumbraError(QStringLiteral("Cannot convert the picture %1").arg(GetThumbFile(type)));
    mCachedType = type;
    mCachedScale = double(mCached.width()) / RotatedFullSize().width();
}

void PhotoImage::ReleaseCache() {
    mCached = QImage();
    mCachedType.reset();
    mCachedScale = 0;
}

void PhotoImage::DrawImage(QPainter& painter, int x, int y, int aWidth, int aHeight,
                           bool aDrawWarning, const QImage& marker) {
    if (aWidth < 1 || aHeight < 1)
        return;
    int wanted = ClampTo16(RoundHalfEven(aWidth / double(mRatio)));
    int other = ClampTo16(RoundHalfEven(aHeight / double(mRatio)));
    if (IsQuarterTurned(mAngle))
        std::swap(wanted, other);
    EnsureCachedPicture(GetOptimalThumbType(wanted, other), aWidth, aHeight);

    const int tw = mCached.width();
    const int th = mCached.height();
    const QSizeF box = BoxShape(aWidth, aHeight);
    const PhotoWindow window = VisibleWindow(tw, th, box.width(), box.height(), mRatio);
    const double scale = double(float(tw) / RotatedFullSize().width());
    const QRect source = WindowRect(tw, th, double(RoundHalfEven(mX * scale)),
                                    double(RoundHalfEven(mY * scale)), window);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(x, y, aWidth, aHeight), mCached, source);
    if (mImageTooSmall && aDrawWarning)
        DrawWarningMark(painter, QRect(x, y, aWidth, aHeight), marker);
    painter.restore();
    if (!mKeepThumb)
        ReleaseCache();
}

void PhotoImage::DrawImage(PaintSurface& aHDC, int x, int y, int aWidth, int aHeight,
                           bool aDrawWarning, const QImage& marker) {
    if (QPainter* painter = aHDC.painter())
        DrawImage(*painter, x, y, aWidth, aHeight, aDrawWarning, marker);
}

FiBitmap PhotoImage::LoadForPrint(int aWidth, int aHeight) const {
    if (aWidth < 1 || aHeight < 1)
        throw LumbraError(QStringLiteral("Empty print size for %1").arg(mName));
    return DecodeTurned(ThumbType::Original, CoverFactor(aWidth, aHeight), JPEG_ACCURATE);
}

FiBitmap PhotoImage::GetFreeImageDib(int aWidth, int aHeight) const {
    return GetFreeImageDib(aWidth, aHeight, QRect(0, 0, aWidth, aHeight));
}

FiBitmap PhotoImage::GetFreeImageDib(int aWidth, int aHeight, const QRect& part) const {
    const FiBitmap picture = LoadForPrint(aWidth, aHeight);
    const int width = picture.width();
    const int height = picture.height();
    const QSizeF box = BoxShape(aWidth, aHeight);
    const PhotoWindow window = VisibleWindow(width, height, box.width(), box.height(), mRatio);
    const double scale = double(width) / RotatedFullSize().width();
    const QRect rect = WindowRect(width, height, mX * scale, mY * scale, window);
    if (rect.isEmpty())
        throw LumbraError(QStringLiteral("Empty window of %1").arg(mName));
    FiBitmap result = ScaleWindowPart(picture.get(), rect, QSize(aWidth, aHeight), part);
    if (!result)
        throw LumbraError(QStringLiteral("Cannot scale %1 for print").arg(mName));
    return result;
}
