#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <optional>

// Numbers and IFD entries of a TIFF structure (the body of an EXIF block) in
// its byte order. Every offset is checked against the block.
class TiffReader {
public:
    // None unless the block starts with a valid "II" or "MM" header.
    static std::optional<TiffReader> Open(QByteArrayView tiff);

    // One entry of an IFD: its type, count and where its value starts (in
    // the entry when it fits in four bytes, else where the entry points).
    struct Entry {
        uint16_t type = 0;
        uint32_t count = 0;
        qsizetype valueAt = 0;
    };

    static constexpr uint16_t kAsciiType = 2;
    static constexpr uint16_t kShortType = 3;
    static constexpr uint16_t kLongType = 4;

    // Offset of IFD0; none when it lies outside the block.
    std::optional<qsizetype> FirstIfd() const;
    // The first entry with `tag` in the IFD at `ifd`; none when the IFD or
    // the entry's value runs past the block.
    std::optional<Entry> Find(qsizetype ifd, uint16_t tag) const;
    // The IFD a LONG entry points to, checked like FirstIfd.
    std::optional<qsizetype> SubIfd(qsizetype ifd, uint16_t pointerTag) const;

    uint16_t Short(qsizetype at) const;
    uint32_t Long(qsizetype at) const;
    QByteArrayView Bytes(qsizetype at, qsizetype count) const { return mBytes.sliced(at, count); }

private:
    explicit TiffReader(QByteArrayView tiff, bool bigEndian)
        : mBytes(tiff), mBigEndian(bigEndian) {}
    unsigned Byte(qsizetype at) const { return static_cast<unsigned char>(mBytes[at]); }
    std::optional<qsizetype> IfdAt(uint32_t offset) const;

    QByteArrayView mBytes;
    bool mBigEndian = false;
};
