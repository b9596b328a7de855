#pragma once

#include "imaging/Orientation.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

// Safe JPEG decoding for photos, through libjpeg-turbo: the file is read once
// (a regular file of at most kMaxPictureFileBytes), its frame size is read
// by our own parser and checked before the library sees the file, the
// library never sees the metadata segments, pictures come out upright (EXIF
// orientation applied by our own reader) as RGB32 in sRGB (converted from
// the file's ICC profile when it has one), and a cut-off or damaged
// file, like one that runs out of memory, counts as unreadable. Safe on any
// thread.

// Limits for a picture to be accepted at all.
constexpr int kMaxPhotoSide = 30000;
constexpr qint64 kMaxPhotoPixels = 100'000'000;
constexpr int kMinPhotoSide = 8;
constexpr int kMaxPhotoAspect = 100; // longer side / shorter side

bool IsAcceptablePhotoSize(int width, int height);

// The upright picture's full size and the EXIF orientation (1..8).
struct JpegHeader {
    int width = 0;
    int height = 0;
    int orientation = 1;
};

struct JpegDecodeRequest {
    // Wanted scale of the full-size upright picture: the smallest M/8
    // (M = 1..8) whose size still covers factor x full size is used (>= 1,
    // or no positive number, gives full size).
    double factor = 1.0;
    // Upright full-size pixels wanted; empty (or wholly outside) for the whole
    // picture. The decoder may return a larger area, never a smaller one
    // (within the picture).
    QRect region;
};

struct DecodedPhoto {
    QImage picture;    // upright, Format_RGB32; null on failure
    JpegHeader header; // full-size upright; set whenever the header was acceptable
    QSize scaledSize;  // the whole upright picture at the decoded scale M/8
    QRect scaledPart;  // where `picture` lies inside scaledSize
    const char* profileProblem = nullptr; // why profile segments gave no profile
};

// The M (of M/8) that DecodeJpeg uses for a picture of `full` size.
int JpegScaleEighths(QSize full, double factor);
// The size libjpeg gives a picture of `full` size at M/8 (rounded up).
QSize JpegScaledSize(QSize full, int eighths);

// From a file's bytes; `requestOf` is called once the header is known.
DecodedPhoto DecodeJpeg(const QByteArray& file,
                        const std::function<JpegDecodeRequest(const JpegHeader&)>& requestOf);
// From a file (see PictureFile.h for what is read).
DecodedPhoto DecodeJpeg(const QString& path,
                        const std::function<JpegDecodeRequest(const JpegHeader&)>& requestOf);

// The header of a file whose content is JPEG; none for any other file, an
// unreadable one or one whose header cannot be parsed. The size may be one
// that IsAcceptablePhotoSize refuses (the library reads only the headers of
// acceptable ones).
std::optional<JpegHeader> ReadJpegHeader(const QString& path);
std::optional<JpegHeader> ReadJpegHeader(const QByteArray& file);
