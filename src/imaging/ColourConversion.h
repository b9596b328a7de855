#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <memory>

class MatrixShaper;

// A photo's colours to sRGB, through lcms2. A photo without a profile is
// sRGB and costs nothing: no conversion is made for it, nor for an sRGB
// profile. Safe on any thread.

// How the pixels handed to a conversion lie in memory.
enum class PhotoPixels {
    Rgb32,        // QImage::Format_RGB32
    Grey,         // one byte a pixel
    InvertedCmyk, // four bytes a pixel, stored inverted (Adobe's CMYK JPEGs)
};

// One profile's conversion to sRGB, shared by every thread that draws a
// photo carrying that profile.
class SrgbConversion {
public:
    // An lcms2 transform in its own context, or the tables of a matrix-shaper.
    SrgbConversion(void* context, void* transform, PhotoPixels pixels);
    explicit SrgbConversion(std::unique_ptr<MatrixShaper> shaper);
    ~SrgbConversion();
    SrgbConversion(const SrgbConversion&) = delete;
    SrgbConversion& operator=(const SrgbConversion&) = delete;

    PhotoPixels Pixels() const { return mPixels; }
    // `count` pixels of the layout at `in` to RGB32 at `out` (which may be
    // `in` for Rgb32).
    void Convert(const uchar* in, QRgb* out, int count) const;
    // Every pixel of an RGB32 picture, in place.
    void ConvertPicture(QImage& rgb32) const;

private:
    void* mContext = nullptr;
    void* mTransform = nullptr;
    PhotoPixels mPixels = PhotoPixels::Rgb32;
    std::unique_ptr<MatrixShaper> mShaper;
};

// The conversion for pixels carrying the ICC profile `icc`; none when the
// pixels are sRGB already: no profile, an sRGB one, or one that cannot be
// used (damaged, or of other colours than the pixels'), which is logged
// with why the first time it is seen. Built once per profile.
std::shared_ptr<const SrgbConversion> ConversionToSrgb(const QByteArray& icc, PhotoPixels pixels);

// The standard sRGB profile (IEC 61966-2.1), for the files we write.
const QByteArray& SrgbProfile();

// A profile for HEIF's coded colours (ITU-T H.273 colour primaries and
// transfer characteristics); empty for sRGB's own, unspecified or unknown
// ones (the pixels are then taken as sRGB).
QByteArray ProfileFromCodedColours(int primaries, int transfer);
