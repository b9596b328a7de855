#pragma once

#include <QString>

// Writes a photo-like JPEG (gradients with a fine wave) of width x height;
// variants differ in colour. Returns the path.
QString WriteBenchJpeg(const QString& path, int width, int height, int variant = 0);
