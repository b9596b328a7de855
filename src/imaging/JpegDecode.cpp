#include "imaging/JpegDecode.h"

#include "imaging/ExifOrientation.h"
#include "imaging/ImagingLog.h"
#include "imaging/JpegScanlines.h"
#include "imaging/JpegSegments.h"
#include "imaging/PictureFile.h"

#include <algorithm>
#include <new>

namespace {

// A file's parts as the library gets them, with what our own parsers read.
struct ParsedJpeg {
    MetadataFreeJpeg plain;
    QSize frame; // as stored
    JpegHeader header;
};

std::optional<ParsedJpeg> Parse(const QByteArray& file) {
    const std::optional<QSize> frame = JpegFrameSize(file);
    if (!frame)
        return std::nullopt;
    std::optional<MetadataFreeJpeg> plain = SplitWithoutMetadata(file);
    if (!plain)
        return std::nullopt;
    const int orientation = ExifOrientation(file);
    const QSize upright = UprightSize(*frame, orientation);
    return ParsedJpeg{std::move(*plain), *frame, {upright.width(), upright.height(), orientation}};
}

JpegIccProfile IccProfile(const QByteArray& file) {
    const auto segments = JpegHeaderSegments(file);
    return segments ? IccProfileOf(*segments) : JpegIccProfile();
}

int ScaledSide(int side, int eighths) { return int((qint64(side) * eighths + 7) / 8); }

// Full-size pixels to the pixels at M/8 that cover them.
QRect ScaledRect(const QRect& full, int eighths) {
    const auto down = [eighths](int at) { return int(qint64(at) * eighths / 8); };
    const auto up = [eighths](int at) { return int((qint64(at) * eighths + 7) / 8); };
    return QRect(QPoint(down(full.left()), down(full.top())),
                 QPoint(up(full.right() + 1) - 1, up(full.bottom() + 1) - 1));
}

DecodedPhoto Decode(const ParsedJpeg& jpeg, const JpegDecodeRequest& request,
                    const JpegIccProfile& profile) {
    DecodedPhoto result;
    result.header = jpeg.header;
    result.profileProblem = profile.problem;
    const int orientation = jpeg.header.orientation;
    const QSize full(jpeg.header.width, jpeg.header.height);
    const int eighths = JpegScaleEighths(full, request.factor);
    const QSize storedScaled = JpegScaledSize(jpeg.frame, eighths);
    const QRect region = request.region & QRect(QPoint(0, 0), full);
    const QRect area = region.isEmpty()
                           ? QRect()
                           : StoredRect(ScaledRect(region, eighths), storedScaled, orientation);
    const StoredJpegPart stored =
        DecodeStoredJpeg(jpeg.plain, jpeg.frame, eighths, area, profile.icc);
    if (stored.picture.isNull() || stored.scaledSize != storedScaled)
        return result;
    result.picture = UprightImage(stored.picture, orientation);
    result.scaledSize = UprightSize(storedScaled, orientation);
    result.scaledPart = UprightRect(stored.part, storedScaled, orientation);
    return result;
}

} // namespace

bool IsAcceptablePhotoSize(int width, int height) {
    const int shorter = std::min(width, height);
    const int longer = std::max(width, height);
    return shorter >= kMinPhotoSide && longer <= kMaxPhotoSide &&
           qint64(width) * height <= kMaxPhotoPixels && longer <= qint64(shorter) * kMaxPhotoAspect;
}

int JpegScaleEighths(QSize full, double factor) {
    if (!(factor > 0.0) || factor >= 1.0)
        return 8;
    // A little slack, so that a factor computed as box / side covers exactly.
    constexpr double kSlack = 1e-6;
    for (int eighths = 1; eighths < 8; ++eighths) {
        const QSize scaled = JpegScaledSize(full, eighths);
        if (scaled.width() + kSlack >= factor * full.width() &&
            scaled.height() + kSlack >= factor * full.height())
            return eighths;
    }
    return 8;
}

QSize JpegScaledSize(QSize full, int eighths) {
    return {ScaledSide(full.width(), eighths), ScaledSide(full.height(), eighths)};
}

DecodedPhoto DecodeJpeg(const QByteArray& file,
                        const std::function<JpegDecodeRequest(const JpegHeader&)>& requestOf) {
    try {
        const std::optional<ParsedJpeg> jpeg = Parse(file);
        // The library sets up buffers for the whole picture as it reads the
        // header, so a size we refuse anyway never reaches it.
        if (!jpeg || !IsAcceptablePhotoSize(jpeg->frame.width(), jpeg->frame.height()))
            return {};
        DecodedPhoto result = Decode(*jpeg, requestOf(jpeg->header), IccProfile(file));
        if (result.picture.isNull())
            result.scaledSize = {};
        return result;
    } catch (const std::bad_alloc&) {
        LogCaughtException(lcImaging(), "Decoding a JPEG; the file counts as unreadable");
        return {};
    }
}

DecodedPhoto DecodeJpeg(const QString& path,
                        const std::function<JpegDecodeRequest(const JpegHeader&)>& requestOf) {
    const std::optional<QByteArray> file = ReadPictureFile(path);
    return file ? DecodeJpeg(*file, requestOf) : DecodedPhoto();
}

std::optional<JpegHeader> ReadJpegHeader(const QByteArray& file) {
    try {
        const std::optional<ParsedJpeg> jpeg = Parse(file);
        if (!jpeg)
            return std::nullopt;
        if (IsAcceptablePhotoSize(jpeg->frame.width(), jpeg->frame.height()) &&
            !JpegLibraryAcceptsHeader(jpeg->plain, jpeg->frame))
            return std::nullopt;
        return jpeg->header;
    } catch (const std::bad_alloc&) {
        LogCaughtException(lcImaging(), "Reading a JPEG header; the file counts as unreadable");
        return std::nullopt;
    }
}

std::optional<JpegHeader> ReadJpegHeader(const QString& path) {
    const std::optional<QByteArray> file = ReadPictureFile(path);
    return file ? ReadJpegHeader(*file) : std::nullopt;
}
