#pragma once

#include <QImage>

// Landscape-like test photos for sample books and screenshots.
namespace SamplePhotos {

// Photo number n (any n; the scenes repeat with other colours).
QImage Paint(int n, const QSize& size);

} // namespace SamplePhotos
