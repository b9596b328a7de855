#include "imaging/PhotoImageDecode.h"

#include "imaging/FreeImageBridge.h"

#include <algorithm>
#include <cmath>

namespace {

int ExifOrientation(FIBITMAP* dib) {
    FITAG* tag = nullptr;
    if (!FreeImage_GetMetadata(FIMD_EXIF_MAIN, dib, "Orientation", &tag) || !tag)
        return 1;
    if (FreeImage_GetTagType(tag) != FIDT_SHORT || FreeImage_GetTagCount(tag) < 1)
        return 1;
    const int value = *static_cast<const WORD*>(FreeImage_GetTagValue(tag));
    return value >= 1 && value <= 8 ? value : 1;
}

} // namespace

bool IsTurnedOrientation(int orientation) { return orientation >= 5 && orientation <= 8; }

std::optional<JpegHeader> ReadJpegHeader(const QString& path) {
    if (FiFileType(path) != FIF_JPEG)
        return std::nullopt;
    FiBitmap header = FiLoad(FIF_JPEG, path, FIF_LOAD_NOPIXELS);
    if (!header || header.width() < 1 || header.height() < 1)
        return std::nullopt;
    JpegHeader result;
    result.orientation = ExifOrientation(header.get());
    const bool turned = IsTurnedOrientation(result.orientation);
    result.width = turned ? header.height() : header.width();
    result.height = turned ? header.width() : header.height();
    return result;
}

bool IsAcceptablePhotoSize(int width, int height) {
    const int shorter = std::min(width, height);
    const int longer = std::max(width, height);
    return shorter >= kMinPhotoSide && longer <= kMaxPhotoSide &&
           qint64(width) * height <= kMaxPhotoPixels && longer <= qint64(shorter) * kMaxPhotoAspect;
}

int CoveringSizeHint(int width, int height, double factor) {
    if (!(factor > 0.0) || factor >= 1.0)
        return 0;
    const int longer = std::max(width, height);
    const int hint = int(std::ceil(factor * longer));
    return hint >= longer ? 0 : std::max(hint, 1);
}

DecodedJpeg LoadJpegCovering(const QString& path, double factor, int flags) {
    DecodedJpeg result;
    const std::optional<JpegHeader> header = ReadJpegHeader(path);
    if (!header || !IsAcceptablePhotoSize(header->width, header->height))
        return result;
    result.header = *header;
    const int hint = CoveringSizeHint(header->width, header->height, factor);
    FiMessageCapture messages;
    FiBitmap picture = FiLoad(FIF_JPEG, path, flags | JPEG_EXIFROTATE | (hint << 16));
    if (!picture || !FreeImage_HasPixels(picture.get()) || messages.SawTruncatedData())
        return result;
    if (FreeImage_GetBPP(picture.get()) != 24) {
        picture.reset(FreeImage_ConvertTo24Bits(picture.get()));
        if (!picture)
            return result;
    }
    FiStripMetadata(picture.get());
    result.picture = std::move(picture);
    return result;
}
