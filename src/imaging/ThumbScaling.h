#pragma once

#include "imaging/FiBitmap.h"

#include <QSize>
#include <QString>

// Scaling and saving of thumbnails. Scaled sizes never fall below one pixel,
// so a rescale always yields a new picture or fails as a whole.

// Size of a `source` picture scaled by one factor so that it fits
// maxWidth x maxHeight (the factor may exceed 1). Halves round to even.
QSize FitSize(QSize source, int maxWidth, int maxHeight);

// New picture of exactly `size`, bicubic (a copy when the size is the same).
FiBitmap RescaleTo(FIBITMAP* picture, QSize size);

// Saves `picture` rescaled to `size` as a JPEG (default quality, no
// metadata) at `target`, through a temporary file. Throws LumbraError.
void SaveThumbnail(const QString& target, FIBITMAP* picture, QSize size);
