#include "imaging/ExifOrientation.h"

#include "imaging/JpegSegments.h"
#include "imaging/TiffReader.h"

namespace {

constexpr uint16_t kOrientationTag = 0x0112;

} // namespace

int TiffOrientation(QByteArrayView tiff) {
    const std::optional<TiffReader> reader = TiffReader::Open(tiff);
    const std::optional<qsizetype> ifd0 = reader ? reader->FirstIfd() : std::nullopt;
    const auto entry = ifd0 ? reader->Find(*ifd0, kOrientationTag) : std::nullopt;
    if (!entry || entry->type != TiffReader::kShortType || entry->count < 1)
        return 1;
    const int value = reader->Short(entry->valueAt);
    return value >= 1 && value <= 8 ? value : 1;
}

int ExifOrientation(const QByteArray& jpeg) {
    const auto segments = JpegHeaderSegments(jpeg);
    return segments ? TiffOrientation(ExifTiffBlock(*segments)) : 1;
}

QByteArray WithUprightOrientation(QByteArrayView tiff) {
    const std::optional<TiffReader> reader = TiffReader::Open(tiff);
    if (!reader)
        return {};
    QByteArray upright = tiff.toByteArray();
    const std::optional<qsizetype> ifd0 = reader->FirstIfd();
    const auto entry = ifd0 ? reader->Find(*ifd0, kOrientationTag) : std::nullopt;
    if (entry && entry->type == TiffReader::kShortType && entry->count >= 1) {
        const bool bigEndian = tiff.startsWith("MM");
        upright[entry->valueAt] = char(bigEndian ? 0 : 1);
        upright[entry->valueAt + 1] = char(bigEndian ? 1 : 0);
    }
    return upright;
}
