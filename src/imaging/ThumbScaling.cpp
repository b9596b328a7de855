#include "imaging/ThumbScaling.h"

#include "base/LumbraError.h"
#include "base/Rounding.h"
#include "imaging/JpegEncode.h"
#include "imaging/Resample.h"

#include <algorithm>

namespace {

int ScaledSide(double factor, int side) {
    return int(std::max<int64_t>(1, RoundHalfEven(factor * side)));
}

} // namespace

QSize FitSize(QSize source, int maxWidth, int maxHeight) {
    if (source.width() < 1 || source.height() < 1)
        return {};
    const double factor =
        std::min(double(maxWidth) / source.width(), double(maxHeight) / source.height());
    return {ScaledSide(factor, source.width()), ScaledSide(factor, source.height())};
}

QImage SaveThumbnail(const QString& target, const QImage& picture, QSize size) {
    const QImage scaled = picture.size() == size ? picture : Resample(picture, size);
    if (scaled.isNull())
        throw LumbraError(QStringLiteral("Cannot scale the picture for %1").arg(target));
    SaveJpegAtomically(scaled, target);
    return scaled;
}
