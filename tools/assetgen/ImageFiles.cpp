#include "ImageFiles.h"

#include <FreeImage.h>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

[[noreturn]] void Fail(const QString& what, const QString& path) {
    throw std::runtime_error((what + QStringLiteral(" ") + path).toStdString());
}

// A 24-bit FreeImage copy: BGR888 rows are FreeImage's byte order.
Bitmap ToBitmap(const QImage& image, const QString& path) {
    QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    Bitmap bitmap(FreeImage_ConvertFromRawBits(bgr.bits(), bgr.width(), bgr.height(),
                                               int(bgr.bytesPerLine()), 24, FI_RGBA_RED_MASK,
                                               FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK, TRUE));
    if (!bitmap)
        Fail(QStringLiteral("Cannot convert the picture for"), path);
    return bitmap;
}

void Save(FREE_IMAGE_FORMAT format, FIBITMAP* bitmap, const QString& path, int flags) {
    if (!FreeImage_Save(format, bitmap, path.toLocal8Bit().constData(), flags))
        Fail(QStringLiteral("Cannot write"), path);
}

} // namespace

namespace ImageFiles {

QSize FitInto(const QSize& picture, const QSize& box) {
    const double scale =
        std::min(double(box.width()) / picture.width(), double(box.height()) / picture.height());
    return QSize(std::min(box.width(), int(std::lround(picture.width() * scale))),
                 std::min(box.height(), int(std::lround(picture.height() * scale))));
}

void SaveJpeg(const QImage& image, const QString& path, int quality) {
    Save(FIF_JPEG, ToBitmap(image, path).get(), path, quality);
}

void SaveGif(const QImage& image, const QString& path) {
    const Bitmap full = ToBitmap(image, path);
    const Bitmap palette(FreeImage_ColorQuantize(full.get(), FIQ_WUQUANT));
    if (!palette)
        Fail(QStringLiteral("Cannot reduce the colours for"), path);
    Save(FIF_GIF, palette.get(), path, GIF_DEFAULT);
}

void SavePng(const QImage& image, const QString& path) {
    Save(FIF_PNG, ToBitmap(image, path).get(), path, PNG_DEFAULT);
}

} // namespace ImageFiles
