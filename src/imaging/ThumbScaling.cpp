#include "imaging/ThumbScaling.h"

#include "base/LumbraError.h"
#include "base/Rounding.h"
#include "imaging/FreeImageBridge.h"

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

FiBitmap RescaleTo(FIBITMAP* picture, QSize size) {
    if (!picture || size.width() < 1 || size.height() < 1)
        return {};
    if (int(FreeImage_GetWidth(picture)) == size.width() &&
        int(FreeImage_GetHeight(picture)) == size.height())
        return FiBitmap(FreeImage_Clone(picture));
    return FiBitmap(FreeImage_Rescale(picture, size.width(), size.height(), FILTER_BICUBIC));
}

void SaveThumbnail(const QString& target, FIBITMAP* picture, QSize size) {
    FiBitmap scaled = RescaleTo(picture, size);
    if (!scaled)
        throw LumbraError(QStringLiteral("Cannot scale the picture for %1").arg(target));
    FiStripMetadata(scaled.get());
    FiSaveAtomically(FIF_JPEG, scaled.get(), target, JPEG_DEFAULT);
}
