#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <optional>
#include <vector>

// The marker segments of a JPEG file, read from a byte buffer with every
// length checked against the buffer. Pure functions: no file, no library.

struct JpegSegment {
    unsigned char marker = 0; // the byte after 0xFF
    qsizetype begin = 0;      // offset of the marker
    qsizetype end = 0;        // offset just past the segment
    QByteArrayView payload;   // the bytes after the length field (none for SOI, RSTn)
};

// The segments from SOI up to and including the first SOS (the entropy-coded
// data starts at its end); nothing when the buffer does not start with SOI,
// a segment runs past the end, or the image ends before a scan.
std::optional<std::vector<JpegSegment>> JpegHeaderSegments(const QByteArray& jpeg);

// The segments of the start of a JPEG file (up to and including the first
// SOS) that lie wholly in `head`, which may end anywhere; empty when it does
// not start with SOI or a segment is malformed.
std::vector<JpegSegment> JpegLeadingSegments(const QByteArray& head);

// The TIFF block of the first EXIF APP1 segment among `segments`; empty when
// there is none.
QByteArrayView ExifTiffBlock(const std::vector<JpegSegment>& segments);

// The ICC profile of the APP2 "ICC_PROFILE" segments among `segments`,
// joined in the order of their numbers (they may be stored in any order).
// `icc` is empty when there is none; `problem` says why segments that are
// there give no profile (a part missing, twice, or numbered past the count).
struct JpegIccProfile {
    QByteArray icc;
    const char* problem = nullptr;
};
JpegIccProfile IccProfileOf(const std::vector<JpegSegment>& segments);

// A JPEG file without its metadata segments, in two parts that are read one
// after the other: the segments kept up to and including SOS, and a view of
// the rest of the file (the entropy-coded data and what follows it).
struct MetadataFreeJpeg {
    QByteArray header;
    QByteArrayView scan;
};

// The parts of the file without the segments that carry only metadata (see
// WithoutMetadataSegments); nothing when the segments cannot be walked.
std::optional<MetadataFreeJpeg> SplitWithoutMetadata(const QByteArray& jpeg);

// The file without the segments that carry only metadata (APP1..APP13, APP15
// and comments: EXIF, XMP, ICC, IPTC, ...). APP0 (JFIF) and APP14 (Adobe),
// which the decoder needs for the colours, stay. Empty when the segments
// cannot be walked (see JpegHeaderSegments).
QByteArray WithoutMetadataSegments(const QByteArray& jpeg);

// The picture's size from the first frame header (SOF0..SOF15 but DHT, JPG
// and DAC), as stored (before any EXIF turn); nothing when the segments
// cannot be walked or no frame header with both sides above 0 comes before
// the scan.
std::optional<QSize> JpegFrameSize(const QByteArray& jpeg);
