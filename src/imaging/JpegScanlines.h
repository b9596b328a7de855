#pragma once

#include "imaging/JpegSegments.h"

#include <QImage>
#include <QRect>
#include <QSize>

// The library's part of decoding a JPEG: the pixels of an area of the stored
// (not yet upright) picture at a DCT scale, through libjpeg-turbo. The file
// reaches it without its metadata segments; its frame size must be the one
// our own parser read, else nothing is decoded.

struct StoredJpegPart {
    QImage picture;   // Format_RGB32; null on failure
    QSize scaledSize; // the whole stored picture at the scale
    QRect part;       // where `picture` lies in it
};

// The pixels of `area` (stored pixels at the scale eighths/8; empty for the
// whole picture) or a somewhat larger area (the columns the library decodes
// anyway), each equal to the pixel of a whole decode. The rows after the area are not
// read; a whole-height decode reads the file to its end, so a cut-off file
// fails it. The colours are converted from the file's ICC profile `icc`
// (none: sRGB) to sRGB.
StoredJpegPart DecodeStoredJpeg(const MetadataFreeJpeg& jpeg, QSize frame, int eighths,
                                const QRect& area, const QByteArray& icc = {});

// True when the library reads the file's header, finds the frame size
// `frame` and colours it can decode.
bool JpegLibraryAcceptsHeader(const MetadataFreeJpeg& jpeg, QSize frame);
