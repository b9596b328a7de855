#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The EXIF orientation (1..8) of a JPEG file in memory, read by a small
// parser of our own that checks every offset and count against the segment:
// 1 when there is no EXIF block or anything in it is out of place.
int ExifOrientation(const QByteArray& jpeg);

// The orientation tag of IFD0 of a TIFF structure ("II" or "MM" header);
// 1 when absent or malformed.
int TiffOrientation(QByteArrayView tiff);

// A copy of a TIFF structure whose IFD0 orientation, when it has one, says
// upright (1): for pixels that were turned already. Empty when `tiff` is not
// a TIFF structure.
QByteArray WithUprightOrientation(QByteArrayView tiff);
