#include "imaging/TiffReader.h"

namespace {

constexpr qsizetype kEntrySize = 12;
constexpr qsizetype kHeaderSize = 8;

qsizetype TypeSize(uint16_t type) {
    switch (type) {
    case 1: // BYTE
    case 2: // ASCII
    case 6: // SBYTE
    case 7: // UNDEFINED
        return 1;
    case 3: // SHORT
    case 8: // SSHORT
        return 2;
    case 4:  // LONG
    case 9:  // SLONG
    case 11: // FLOAT
        return 4;
    default: // RATIONAL, SRATIONAL, DOUBLE and unknown types
        return 8;
    }
}

} // namespace

std::optional<TiffReader> TiffReader::Open(QByteArrayView tiff) {
    if (tiff.size() < kHeaderSize)
        return std::nullopt;
    bool bigEndian = false;
    if (tiff.first(2) == "MM")
        bigEndian = true;
    else if (tiff.first(2) != "II")
        return std::nullopt;
    const TiffReader reader(tiff, bigEndian);
    if (reader.Short(2) != 42)
        return std::nullopt;
    return reader;
}

uint16_t TiffReader::Short(qsizetype at) const {
    return uint16_t(mBigEndian ? (Byte(at) << 8) | Byte(at + 1) : Byte(at) | (Byte(at + 1) << 8));
}

uint32_t TiffReader::Long(qsizetype at) const {
    const uint32_t high = Short(at);
    const uint32_t low = Short(at + 2);
    return mBigEndian ? (high << 16) | low : (low << 16) | high;
}

std::optional<qsizetype> TiffReader::IfdAt(uint32_t offset) const {
    if (offset < kHeaderSize || qsizetype(offset) > mBytes.size() - 2)
        return std::nullopt;
    return qsizetype(offset);
}

std::optional<qsizetype> TiffReader::FirstIfd() const { return IfdAt(Long(4)); }

std::optional<TiffReader::Entry> TiffReader::Find(qsizetype ifd, uint16_t tag) const {
    if (ifd < kHeaderSize || ifd > mBytes.size() - 2)
        return std::nullopt;
    const qsizetype count = Short(ifd);
    if (count > (mBytes.size() - ifd - 2) / kEntrySize)
        return std::nullopt;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = ifd + 2 + i * kEntrySize;
        if (Short(at) != tag)
            continue;
        Entry entry{Short(at + 2), Long(at + 4), at + 8};
        const qsizetype size = TypeSize(entry.type);
        if (entry.count > uint32_t(mBytes.size() / size))
            return std::nullopt;
        const qsizetype bytes = size * qsizetype(entry.count);
        if (bytes > 4)
            entry.valueAt = Long(at + 8);
        if (entry.valueAt > mBytes.size() - bytes)
            return std::nullopt;
        return entry;
    }
    return std::nullopt;
}

std::optional<qsizetype> TiffReader::SubIfd(qsizetype ifd, uint16_t pointerTag) const {
    const std::optional<Entry> pointer = Find(ifd, pointerTag);
    if (!pointer || pointer->type != kLongType || pointer->count != 1)
        return std::nullopt;
    return IfdAt(Long(pointer->valueAt));
}
