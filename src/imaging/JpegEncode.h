#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG encoding through libjpeg-turbo: baseline, 4:2:0, no metadata (a JFIF
// header only). Safe on any thread.

// The quality of pages and thumbnails.
inline constexpr int kPageJpegQuality = 75;

// The picture as a JPEG file's bytes; any QImage format (alpha is dropped).
// Throws LumbraError when it cannot be encoded.
QByteArray EncodeJpeg(const QImage& picture, int quality = kPageJpegQuality);

// EncodeJpeg written through a temporary file that replaces `path` only when
// complete. Throws LumbraError.
void SaveJpegAtomically(const QImage& picture, const QString& path, int quality = kPageJpegQuality);
