#pragma once

#include <QByteArray>
#include <QImage>

namespace TestJpegs {

// `stored` as a HEIC file made with libheif's encoder: its colour profile,
// its EXIF TIFF block (may be empty) and the orientation (EXIF numbers) that
// the file's irot and imir properties give the picture.
QByteArray EncodeHeic(const QImage& stored, const QByteArray& icc, const QByteArray& exif,
                      int orientation);

} // namespace TestJpegs
