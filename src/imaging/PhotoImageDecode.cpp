#include "imaging/PhotoImageDecode.h"

#include "imaging/ExifOrientation.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/ImagingLog.h"
#include "imaging/JpegSegments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>

namespace {

// A photo file's bytes with the header read from them.
struct PhotoJpeg {
    QByteArray bytes;
    JpegHeader header;
};

std::optional<PhotoJpeg> ParseJpeg(const QByteArray& file) {
    PhotoJpeg jpeg{file, {}};
    const std::optional<QSize> frame = JpegFrameSize(file);
    if (!frame)
        return std::nullopt;
    // The library's header read already sets up buffers for the whole
    // picture, so a size we refuse anyway never reaches it.
    if (IsAcceptablePhotoSize(frame->width(), frame->height())) {
        const FiBitmap header = FiLoadFromMemory(FIF_JPEG, file, FIF_LOAD_NOPIXELS);
        if (!header || header.width() != frame->width() || header.height() != frame->height())
            return std::nullopt;
    }
    jpeg.header.orientation = ExifOrientation(file);
    const bool turned = IsTurnedOrientation(jpeg.header.orientation);
    jpeg.header.width = turned ? frame->height() : frame->width();
    jpeg.header.height = turned ? frame->width() : frame->height();
    return jpeg;
}

std::optional<PhotoJpeg> ReadJpeg(const QString& path) {
    const std::optional<QByteArray> file = FiReadFile(path);
    return file ? ParseJpeg(*file) : std::nullopt;
}

// What makes a picture of each EXIF orientation upright: the library's own
// EXIF rotation takes the same steps, so the pixels match its results.
struct UprightSteps {
    int angle; // counter-clockwise, before the flips
    bool flipHorizontal;
    bool flipVertical;
};
constexpr std::array<UprightSteps, 9> kUprightSteps{{
    {0, false, false},   // (no orientation)
    {0, false, false},   // 1 upright
    {0, true, false},    // 2 mirrored
    {180, false, false}, // 3 upside down
    {0, false, true},    // 4 upside down, mirrored
    {90, false, true},   // 5
    {-90, false, false}, // 6 turned clockwise
    {-90, false, true},  // 7
    {90, false, false},  // 8 turned counter-clockwise
}};

// The picture made upright; empty when that fails.
FiBitmap Upright(FiBitmap picture, int orientation) {
    const UprightSteps steps = kUprightSteps.at(size_t(orientation));
    if (steps.angle != 0)
        picture.reset(FreeImage_Rotate(picture.get(), steps.angle));
    if (!picture || (steps.flipHorizontal && !FreeImage_FlipHorizontal(picture.get())) ||
        (steps.flipVertical && !FreeImage_FlipVertical(picture.get())))
        return {};
    return picture;
}

DecodedJpeg Decode(const PhotoJpeg& jpeg, double factor, int flags) {
    DecodedJpeg result;
    if (!IsAcceptablePhotoSize(jpeg.header.width, jpeg.header.height))
        return result;
    result.header = jpeg.header;
    const int hint = CoveringSizeHint(jpeg.header.width, jpeg.header.height, factor);
    FiMessageCapture messages;
    FiBitmap picture = FiLoadFromMemory(FIF_JPEG, jpeg.bytes, flags | (hint << 16));
    if (!picture || !FreeImage_HasPixels(picture.get()) || messages.SawTruncatedData())
        return result;
    picture = Upright(std::move(picture), jpeg.header.orientation);
    if (picture && FreeImage_GetBPP(picture.get()) != 24)
        picture.reset(FreeImage_ConvertTo24Bits(picture.get()));
    if (!picture)
        return result;
    FiStripMetadata(picture.get());
    result.picture = std::move(picture);
    return result;
}

} // namespace

bool IsTurnedOrientation(int orientation) { return orientation >= 5 && orientation <= 8; }

std::optional<JpegHeader> ReadJpegHeader(const QString& path) {
    try {
        const std::optional<PhotoJpeg> jpeg = ReadJpeg(path);
        return jpeg ? std::optional(jpeg->header) : std::nullopt;
    } catch (const std::bad_alloc&) {
        LogCaughtException(lcImaging(), "Reading a JPEG header; the file counts as unreadable");
        return std::nullopt;
    }
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
    return LoadJpegCovering(
        path, [factor](const JpegHeader&) { return factor; }, flags);
}

DecodedJpeg LoadJpegCovering(const QString& path,
                             const std::function<double(const JpegHeader&)>& factorOf, int flags) {
    const std::optional<QByteArray> file = FiReadFile(path);
    return file ? LoadJpegCovering(*file, factorOf, flags) : DecodedJpeg();
}

DecodedJpeg LoadJpegCovering(const QByteArray& file,
                             const std::function<double(const JpegHeader&)>& factorOf, int flags) {
    try {
        const std::optional<PhotoJpeg> jpeg = ParseJpeg(file);
        return jpeg ? Decode(*jpeg, factorOf(jpeg->header), flags) : DecodedJpeg();
    } catch (const std::bad_alloc&) {
        LogCaughtException(lcImaging(), "Decoding a JPEG; the file counts as unreadable");
        return {};
    }
}
