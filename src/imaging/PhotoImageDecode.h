#pragma once

#include "imaging/FiBitmap.h"
#include "imaging/JpegDecode.h"

#include <QString>
#include <functional>

// DecodeJpeg for the callers that still draw with FreeImage bitmaps.

struct DecodedJpeg {
    FiBitmap picture;  // upright, 24-bit
    JpegHeader header; // full upright size of the file
};

// DecodeJpeg of the whole picture at the smallest scale that still covers
// `factor` times its full size, as a FreeImage bitmap; empty picture when the
// file is not an acceptable JPEG or does not decode completely. The flags
// are no longer used.
DecodedJpeg LoadJpegCovering(const QString& path, double factor, int flags);
// The same with the factor chosen from the file's header.
DecodedJpeg LoadJpegCovering(const QString& path,
                             const std::function<double(const JpegHeader&)>& factorOf, int flags);
