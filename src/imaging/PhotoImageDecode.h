#pragma once

#include "imaging/FiBitmap.h"

#include <QString>
#include <functional>
#include <optional>

// Safe JPEG decoding for photos: the file is read once (a regular file of at
// most kMaxPictureFileBytes), the header is checked before any pixel is
// decoded, the decoder never sees the metadata segments, pictures come out
// upright (EXIF orientation applied by our own reader) and 24-bit, and a
// truncated file, like one that runs out of memory, counts as unreadable.

// Limits for a picture to be accepted at all.
constexpr int kMaxPhotoSide = 30000;
constexpr qint64 kMaxPhotoPixels = 100'000'000;
constexpr int kMinPhotoSide = 8;
constexpr int kMaxPhotoAspect = 100; // longer side / shorter side

// Size of the upright picture as the JPEG header gives it.
struct JpegHeader {
    int width = 0;
    int height = 0;
    int orientation = 1; // EXIF orientation 1..8
};

// True when the EXIF orientation exchanges width and height.
bool IsTurnedOrientation(int orientation);

// The header of a file whose content is JPEG; none for any other file,
// an unreadable one or one whose header cannot be parsed.
std::optional<JpegHeader> ReadJpegHeader(const QString& path);

bool IsAcceptablePhotoSize(int width, int height);

// The decoder's size hint (longest side to cover) so that the decoded
// picture is at least `factor` times the full size; 0 means a full decode.
int CoveringSizeHint(int width, int height, double factor);

struct DecodedJpeg {
    FiBitmap picture;  // upright, 24-bit
    JpegHeader header; // full upright size of the file
};

// Decodes the file at the smallest scale that still covers `factor` times
// its full size (factor >= 1 decodes at full size). Empty picture when the
// file is not an acceptable JPEG or does not decode completely.
DecodedJpeg LoadJpegCovering(const QString& path, double factor, int flags);
// The same with the factor chosen from the file's header.
DecodedJpeg LoadJpegCovering(const QString& path,
                             const std::function<double(const JpegHeader&)>& factorOf, int flags);
// The same from a file's bytes already read.
DecodedJpeg LoadJpegCovering(const QByteArray& file,
                             const std::function<double(const JpegHeader&)>& factorOf, int flags);
