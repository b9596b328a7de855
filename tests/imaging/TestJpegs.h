#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Pictures and JPEG files made by the tests themselves.
namespace TestJpegs {

// Four flat quadrants: top-left red, top-right green, bottom-left blue,
// bottom-right white.
QImage Quadrants(int width, int height);
// Smooth gradients with fine texture, like a photo.
QImage PhotoLike(int width, int height);
// Writes `image` as a JPEG (high quality).
void Write(const QString& path, const QImage& image);
// Inserts an EXIF APP1 segment with the given Orientation right after SOI.
void AddExifOrientation(const QString& path, int orientation);
// Rewrites the frame header of a JPEG so that it claims width x height.
void ClaimSize(const QString& path, int width, int height);
void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);
// Peak signal-to-noise ratio in dB of two pictures of the same size.
double Psnr(const QImage& a, const QImage& b);
// True when the colour is within `tolerance` of `expected` on every channel.
bool Near(QRgb actual, QColor expected, int tolerance = 40);

} // namespace TestJpegs
