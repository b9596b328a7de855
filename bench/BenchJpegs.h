#pragma once

#include <QString>

#include <QByteArray>

// Writes a photo-like JPEG (gradients with a fine wave) of width x height;
// variants differ in colour; tagged with the ICC profile `icc` when given.
// Returns the path.
QString WriteBenchJpeg(const QString& path, int width, int height, int variant = 0,
                       const QByteArray& icc = {});
