#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>

// Photos that are not JPEG files: HEIF (HEIC) through libheif, PNG, TIFF and
// WebP through Qt's image readers. Each is decoded whole, once, at import,
// and becomes the book's JPEG copy. Safe on any thread.

enum class ForeignFormat { None, Heif, Png, Tiff, Webp };

// The format of a file's first bytes; None for a JPEG or anything we do not
// take.
ForeignFormat ForeignFormatOf(const QByteArray& file);

struct ForeignPicture {
    QImage picture;  // upright (the file's own turn and mirror applied), RGB32,
                     // transparency laid on white, in the colours of `icc`
    QByteArray icc;  // the picture's ICC profile; none: sRGB
    QByteArray exif; // the EXIF TIFF block, its orientation set upright; none when absent
};

// The picture of a file of a ForeignFormat; none when its size is not
// acceptable (IsAcceptablePhotoSize, checked before any pixel is decoded) or
// it does not decode whole.
std::optional<ForeignPicture> DecodeForeignPicture(const QByteArray& file);

// The picture's size from the file's header (as stored); none when the
// header cannot be read.
std::optional<QSize> ForeignPictureSize(const QByteArray& file);
