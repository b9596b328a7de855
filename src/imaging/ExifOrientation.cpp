#include "imaging/ExifOrientation.h"

#include "imaging/JpegSegments.h"

#include <cstdint>

namespace {

constexpr unsigned char kApp1 = 0xE1;
constexpr QByteArrayView kExifSignature("Exif\0\0", 6);
constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShortType = 3;
constexpr qsizetype kEntrySize = 12;

// Numbers of a TIFF structure in its byte order; callers check the bounds.
struct TiffReader {
    QByteArrayView bytes;
    bool bigEndian = false;

    unsigned Byte(qsizetype at) const { return static_cast<unsigned char>(bytes[at]); }
    uint16_t Short(qsizetype at) const {
        return uint16_t(bigEndian ? (Byte(at) << 8) | Byte(at + 1)
                                  : Byte(at) | (Byte(at + 1) << 8));
    }
    uint32_t Long(qsizetype at) const {
        const uint32_t high = Short(at);
        const uint32_t low = Short(at + 2);
        return bigEndian ? (high << 16) | low : (low << 16) | high;
    }
};

} // namespace

int TiffOrientation(QByteArrayView tiff) {
    if (tiff.size() < 8)
        return 1;
    TiffReader reader{tiff};
    if (tiff.first(2) == "MM")
        reader.bigEndian = true;
    else if (tiff.first(2) != "II")
        return 1;
    if (reader.Short(2) != 42)
        return 1;
    const qsizetype ifd = reader.Long(4);
    if (ifd < 8 || ifd > tiff.size() - 2)
        return 1;
    const qsizetype count = reader.Short(ifd);
    if (count > (tiff.size() - ifd - 2) / kEntrySize)
        return 1;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype entry = ifd + 2 + i * kEntrySize;
        if (reader.Short(entry) != kOrientationTag)
            continue;
        if (reader.Short(entry + 2) != kShortType || reader.Long(entry + 4) < 1)
            return 1;
        const int value = reader.Short(entry + 8); // a SHORT sits at the start of the value field
        return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

int ExifOrientation(const QByteArray& jpeg) {
    const auto segments = JpegHeaderSegments(jpeg);
    if (!segments)
        return 1;
    for (const JpegSegment& segment : *segments)
        if (segment.marker == kApp1 && segment.payload.startsWith(kExifSignature))
            return TiffOrientation(segment.payload.sliced(kExifSignature.size()));
    return 1;
}
