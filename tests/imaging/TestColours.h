#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <array>

// Colour patches for the colour management tests: saturated and skin-like
// sRGB colours, and the same pictures in other profiles (through lcms2).
namespace TestJpegs {

inline constexpr std::array<QRgb, 8> kPatchColours{
    0xFF28B43C, // the green that prints dull from Adobe RGB unconverted
    0xFFC81E28, 0xFF1E3CC8, 0xFFFADC28, 0xFF3CAADC, // red, blue, yellow, sky
    0xFFE6BEA0, 0xFFBE8C6E, 0xFF787878,             // light and dark skin, grey
};
inline constexpr int kPatchSide = 32;

// The patches side by side, kPatchSide pixels each, in sRGB.
QImage ColourPatches();
// How far the middle of patch `index` of `picture` is from its sRGB colour
// (the largest channel difference).
int PatchError(const QImage& picture, int index);
// A picture from the colours of the profile `from` to those of `to` (empty:
// sRGB) through lcms2 (relative colorimetric with black-point
// compensation), RGB32.
QImage Converted(const QImage& picture, const QByteArray& from, const QByteArray& to);
// An sRGB picture in the colours of `icc`.
inline QImage InProfile(const QImage& srgb, const QByteArray& icc) {
    return Converted(srgb, {}, icc);
}
// An sRGB picture as the inverted inks of the CMYK profile `icc`: four bytes
// a pixel (C, M, Y, K) in a Format_RGBA8888 picture, for JpegKind::Inks.
QImage InInks(const QImage& srgb, const QByteArray& icc);
// A profile that Debian's ghostscript installs ("a98.icc", "rommrgb.icc", ...).
QByteArray GhostscriptProfile(const char* name);

} // namespace TestJpegs
