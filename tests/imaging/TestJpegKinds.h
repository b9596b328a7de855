#pragma once

#include <QByteArray>
#include <QImage>

// JPEG files of every kind a camera or an editor writes, made with
// libjpeg-turbo directly (the program's encoder writes only one kind).
namespace TestJpegs {

enum class JpegKind {
    Baseline,    // YCbCr 4:2:0
    Progressive, // YCbCr 4:2:0, progressive scans
    Grey,        // one component
    Cmyk,        // Adobe (inverted) CMYK, as an editor writes it
    Ycck,        // the same as YCCK
    Restarts,    // baseline with a restart marker after every MCU row
    Inks,        // Adobe CMYK of the picture's bytes as they are (see InInks)
};

// The picture as a file of that kind (quality 92). For CMYK and YCCK the
// inks are chosen so that the usual conversion gives the picture back.
QByteArray EncodeKind(const QImage& picture, JpegKind kind);

} // namespace TestJpegs
