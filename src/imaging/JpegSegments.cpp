#include "imaging/JpegSegments.h"

namespace {

constexpr unsigned char kSoi = 0xD8;
constexpr unsigned char kEoi = 0xD9;
constexpr unsigned char kSos = 0xDA;
constexpr unsigned char kApp0 = 0xE0;
constexpr unsigned char kApp14 = 0xEE;
constexpr unsigned char kApp15 = 0xEF;
constexpr unsigned char kCom = 0xFE;

unsigned char ByteAt(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]);
}

// Markers that stand alone, without a length: TEM and RST0..RST7.
bool IsStandalone(unsigned char marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

bool IsMetadata(unsigned char marker) {
    return (marker > kApp0 && marker <= kApp15 && marker != kApp14) || marker == kCom;
}

// Start-of-frame markers: C0..CF without DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameHeader(unsigned char marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The segments from SOI to the first SOS. With `cutAllowed` a buffer that
// ends before then gives the segments that lie wholly in it.
std::optional<std::vector<JpegSegment>> WalkSegments(const QByteArray& jpeg, bool cutAllowed) {
    const qsizetype size = jpeg.size();
    if (size < 2 || ByteAt(jpeg, 0) != 0xFF || ByteAt(jpeg, 1) != kSoi)
        return std::nullopt;
    std::vector<JpegSegment> segments{{kSoi, 0, 2, {}}};
    qsizetype at = 2;
    for (;;) {
        // Like the decoder: stray bytes before a marker and fill bytes are skipped.
        while (at < size && ByteAt(jpeg, at) != 0xFF)
            ++at;
        while (at < size && ByteAt(jpeg, at) == 0xFF)
            ++at;
        if (at >= size)
            break;
        const unsigned char marker = ByteAt(jpeg, at);
        const qsizetype begin = at - 1;
        ++at;
        if (marker == 0x00 || marker == kSoi || marker == kEoi)
            return std::nullopt;
        if (IsStandalone(marker)) {
            segments.push_back({marker, begin, at, {}});
            continue;
        }
        if (size - at < 2)
            break;
        const qsizetype length = (qsizetype(ByteAt(jpeg, at)) << 8) | ByteAt(jpeg, at + 1);
        if (length < 2)
            return std::nullopt;
        if (length > size - at)
            break;
        const QByteArrayView payload(jpeg.constData() + at + 2, length - 2);
        at += length;
        segments.push_back({marker, begin, at, payload});
        if (marker == kSos)
            return segments;
    }
    if (cutAllowed)
        return segments;
    return std::nullopt;
}

} // namespace

std::optional<std::vector<JpegSegment>> JpegHeaderSegments(const QByteArray& jpeg) {
    return WalkSegments(jpeg, false);
}

std::vector<JpegSegment> JpegLeadingSegments(const QByteArray& head) {
    return WalkSegments(head, true).value_or(std::vector<JpegSegment>());
}

QByteArrayView ExifTiffBlock(const std::vector<JpegSegment>& segments) {
    constexpr unsigned char kApp1 = 0xE1;
    constexpr QByteArrayView kExifSignature("Exif\0\0", 6);
    for (const JpegSegment& segment : segments)
        if (segment.marker == kApp1 && segment.payload.startsWith(kExifSignature))
            return segment.payload.sliced(kExifSignature.size());
    return {};
}

JpegIccProfile IccProfileOf(const std::vector<JpegSegment>& segments) {
    constexpr unsigned char kApp2 = 0xE2;
    constexpr QByteArrayView kIccSignature("ICC_PROFILE\0", 12);
    // Each part: the signature, its number (from 1) and the count of parts.
    std::vector<QByteArrayView> parts;
    for (const JpegSegment& segment : segments) {
        if (segment.marker != kApp2 || !segment.payload.startsWith(kIccSignature))
            continue;
        if (segment.payload.size() < kIccSignature.size() + 2)
            return {{}, "a profile part without its number"};
        const int number = static_cast<unsigned char>(segment.payload[kIccSignature.size()]);
        const int count = static_cast<unsigned char>(segment.payload[kIccSignature.size() + 1]);
        if (parts.empty())
            parts.resize(size_t(count));
        if (count == 0 || size_t(count) != parts.size())
            return {{}, "profile parts of different counts"};
        if (number < 1 || number > count)
            return {{}, "a profile part numbered past the count"};
        if (!parts[size_t(number - 1)].isNull())
            return {{}, "a profile part twice"};
        parts[size_t(number - 1)] = segment.payload.sliced(kIccSignature.size() + 2);
    }
    JpegIccProfile profile;
    for (const QByteArrayView part : parts) {
        if (part.isNull())
            return {{}, "a profile part missing"};
        profile.icc.append(part);
    }
    return profile;
}

std::optional<MetadataFreeJpeg> SplitWithoutMetadata(const QByteArray& jpeg) {
    const std::optional<std::vector<JpegSegment>> segments = JpegHeaderSegments(jpeg);
    if (!segments)
        return std::nullopt;
    MetadataFreeJpeg parts;
    for (const JpegSegment& segment : *segments)
        if (!IsMetadata(segment.marker))
            parts.header.append(jpeg.constData() + segment.begin, segment.end - segment.begin);
    parts.scan = QByteArrayView(jpeg).sliced(segments->back().end);
    return parts;
}

QByteArray WithoutMetadataSegments(const QByteArray& jpeg) {
    std::optional<MetadataFreeJpeg> parts = SplitWithoutMetadata(jpeg);
    return parts ? parts->header.append(parts->scan) : QByteArray();
}

std::optional<QSize> JpegFrameSize(const QByteArray& jpeg) {
    const std::optional<std::vector<JpegSegment>> segments = JpegHeaderSegments(jpeg);
    if (!segments)
        return std::nullopt;
    for (const JpegSegment& segment : *segments) {
        if (!IsFrameHeader(segment.marker))
            continue;
        // precision, height (2 bytes), width (2 bytes), ...
        const QByteArrayView frame = segment.payload;
        if (frame.size() < 5)
            return std::nullopt;
        const auto at = [&frame](qsizetype i) { return int(static_cast<unsigned char>(frame[i])); };
        const QSize size(at(3) << 8 | at(4), at(1) << 8 | at(2));
        return size.width() > 0 && size.height() > 0 ? std::optional<QSize>(size) : std::nullopt;
    }
    return std::nullopt;
}
