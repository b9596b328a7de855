#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG encoding through libjpeg-turbo: baseline, 4:2:0, a JFIF header and
// only the metadata asked for. Safe on any thread.

// The quality of pages and thumbnails.
inline constexpr int kPageJpegQuality = 75;

// What a file carries besides its pixels.
struct JpegMetadata {
    QByteArray icc;  // an ICC profile, in APP2 "ICC_PROFILE" segments
    QByteArray exif; // a TIFF block, in an APP1 "Exif" segment (at most 64 KB)
};

// The picture as a JPEG file's bytes; any QImage format (alpha is dropped).
// Throws LumbraError when it cannot be encoded.
QByteArray EncodeJpeg(const QImage& picture, int quality = kPageJpegQuality,
                      const JpegMetadata& metadata = {});

// A page of the book (preview, print, upload): an sRGB picture, tagged so.
QByteArray EncodePageJpeg(const QImage& page);

// EncodeJpeg written through a temporary file that replaces `path` only when
// complete. Throws LumbraError.
void SaveJpegAtomically(const QImage& picture, const QString& path, int quality = kPageJpegQuality);
