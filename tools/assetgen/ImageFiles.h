#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Writing painted pictures through FreeImage. Each function throws
// std::runtime_error naming the file when it cannot be written.
namespace ImageFiles {

// The largest size of the picture's proportions that fits the box.
QSize FitInto(const QSize& picture, const QSize& box);

void SaveJpeg(const QImage& image, const QString& path, int quality);
// Reduced to an 8-bit palette (opaque).
void SaveGif(const QImage& image, const QString& path);
void SavePng(const QImage& image, const QString& path);

} // namespace ImageFiles
