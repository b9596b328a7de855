#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Scaling and saving of thumbnails. Scaled sizes never fall below one pixel,
// so a rescale always yields a new picture or fails as a whole.

// Size of a `source` picture scaled by one factor so that it fits
// maxWidth x maxHeight (the factor may exceed 1). Halves round to even.
QSize FitSize(QSize source, int maxWidth, int maxHeight);

// Saves `picture` resampled to `size` (Resample) as a JPEG of the page
// quality without metadata at `target`, through a temporary file. Returns
// the saved pixels. Throws LumbraError.
QImage SaveThumbnail(const QString& target, const QImage& picture, QSize size);
