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

// A small real JPEG file's bytes (Quadrants, 64 x 48, with its JFIF APP0).
QByteArray SmallJpeg();
// The TIFF block of a camera's EXIF segment in either byte order: IFD0 holds
// Make (text stored after the IFD), Orientation and a pointer to an EXIF
// sub-IFD with one entry. Offsets of interest are below.
QByteArray CameraTiff(bool bigEndian, int orientation);
inline constexpr qsizetype kTiffIfd0 = 8;                  // IFD0: its entry count
inline constexpr qsizetype kTiffIfd0Next = 8 + 2 + 3 * 12; // IFD0: offset of the next IFD
// The same with a second sub-IFD entry, DateTimeOriginal (ASCII, 20 bytes
// stored after Make), holding `taken` ("2021:07:04 10:20:30").
QByteArray CameraTiff(bool bigEndian, int orientation, const QByteArray& taken);
inline constexpr qsizetype kTiffSubIfd = kTiffIfd0Next + 4; // the sub-IFD: its entry count
// `jpeg` with a segment of the given marker and payload right after SOI.
QByteArray WithSegment(const QByteArray& jpeg, unsigned char marker, const QByteArray& payload);
// `jpeg` with an APP1 segment "Exif\0\0" + `tiff` right after SOI.
QByteArray WithExif(const QByteArray& jpeg, const QByteArray& tiff);
// Writes a number into a TIFF block in its byte order.
void PutShort(QByteArray& tiff, qsizetype at, quint16 value);
void PutLong(QByteArray& tiff, qsizetype at, quint32 value);
// Rewrites the frame header of a JPEG so that it claims width x height.
void ClaimSize(const QString& path, int width, int height);
void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);
// Peak signal-to-noise ratio in dB of two pictures of the same size.
double Psnr(const QImage& a, const QImage& b);
// The largest difference of any channel of any pixel (255 for different sizes).
int MaxDifference(const QImage& a, const QImage& b);
// True when the colour is within `tolerance` of `expected` on every channel.
bool Near(QRgb actual, QColor expected, int tolerance = 40);

} // namespace TestJpegs
