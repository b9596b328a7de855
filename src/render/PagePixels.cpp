#include "render/PagePixels.h"

#include <algorithm>
#include <cstring>

namespace {

QImage TransparentImage(int width, int height) {
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Row `row` of the image across; `offset` is the frame offset of column 0.
void SetRow(QImage& image, int row, QRgb (*colour)(int), int offset) {
    if (row < 0 || row >= image.height())
        return;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int k = 0; k < image.width(); ++k)
        line[k] = colour(offset + k);
}

void SetColumn(QImage& image, int column, QRgb (*colour)(int), int offset) {
    if (column < 0 || column >= image.width())
        return;
    for (int j = 0; j < image.height(); ++j)
        reinterpret_cast<QRgb*>(image.scanLine(j))[column] = colour(offset + j);
}

// The frame of a box of `box` pixels: rows 0, 1, h - 1, h - 2 across, then
// columns 0, 1, w - 1, w - 2 down. The image holds the part of the box that
// starts at `origin` (box pixels).
void DrawFrame(QImage& image, QPoint origin, QSize box, QRgb (*colour)(int)) {
    const int w = box.width();
    const int h = box.height();
    for (int row : {0, 1, h - 1, h - 2})
        SetRow(image, row - origin.y(), colour, origin.x());
    for (int column : {0, 1, w - 1, w - 2})
        SetColumn(image, column - origin.x(), colour, origin.y());
}

QRgb DarkGrey(int) { return cDarkGrey; }
QRgb Dash(int offset) { return (offset / 4) % 2 == 0 ? cLightGrey : cDarkGrey; }

// Bytes of a 24-bit row of `dib` counted from the top.
uchar* TopRow(FIBITMAP* dib, int row) {
    return FreeImage_GetScanLine(dib, int(FreeImage_GetHeight(dib)) - 1 - row);
}

bool Is24Bit(FIBITMAP* dib) {
    return dib && FreeImage_HasPixels(dib) && FreeImage_GetBPP(dib) == 24;
}

} // namespace

QImage EmptyBoxOverlay(const QRect& box, const QRect& visible) {
    const QRect part = box & visible;
    QImage image = TransparentImage(part.width(), part.height());
    for (int j = 0; j < image.height(); ++j) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(j));
        for (int k = 0; k < image.width(); ++k) {
            if (((part.x() + k + part.y() + j) & 1) == 0)
                line[k] = cLightGrey;
        }
    }
    DrawFrame(image, part.topLeft() - box.topLeft(), box.size(), DarkGrey);
    return image;
}

QImage DashedFrameOverlay(const QRect& box, const QRect& visible) {
    const QRect part = box & visible;
    QImage image = TransparentImage(part.width(), part.height());
    DrawFrame(image, part.topLeft() - box.topLeft(), box.size(), Dash);
    return image;
}

QImage DashedFrameOverlay(int width, int height) {
    const QRect box(0, 0, width, height);
    return DashedFrameOverlay(box, box);
}

FiBitmap WhitePicture(int width, int height) {
    FiBitmap picture(width > 0 && height > 0 ? FreeImage_Allocate(width, height, 24) : nullptr);
    if (!picture)
        return picture;
    for (int row = 0; row < height; ++row)
        std::memset(FreeImage_GetScanLine(picture.get(), row), 0xFF, size_t(width) * 3);
    return picture;
}

void PasteClipped(FIBITMAP* target, FIBITMAP* picture, int x, int y) {
    if (!Is24Bit(target) || !Is24Bit(picture))
        return;
    const QRect inside =
        QRect(x, y, int(FreeImage_GetWidth(picture)), int(FreeImage_GetHeight(picture)))
            .intersected(
                QRect(0, 0, int(FreeImage_GetWidth(target)), int(FreeImage_GetHeight(target))));
    for (int row = inside.top(); row <= inside.bottom(); ++row) {
        const uchar* from = TopRow(picture, row - y) + (inside.left() - x) * 3;
        std::memcpy(TopRow(target, row) + inside.left() * 3, from, size_t(inside.width()) * 3);
    }
}

void BlendOver(FIBITMAP* target, const QImage& overlay, int x, int y) {
    if (!Is24Bit(target) || overlay.format() != QImage::Format_ARGB32_Premultiplied)
        return;
    const QRect inside = QRect(x, y, overlay.width(), overlay.height())
                             .intersected(QRect(0, 0, int(FreeImage_GetWidth(target)),
                                                int(FreeImage_GetHeight(target))));
    for (int row = inside.top(); row <= inside.bottom(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(overlay.constScanLine(row - y));
        uchar* to = TopRow(target, row);
        for (int column = inside.left(); column <= inside.right(); ++column) {
            const QRgb pixel = from[column - x];
            const int alpha = qAlpha(pixel);
            if (alpha == 0)
                continue;
            uchar* bgr = to + column * 3;
            const int keep = 255 - alpha;
            bgr[FI_RGBA_BLUE] = uchar(qBlue(pixel) + (bgr[FI_RGBA_BLUE] * keep + 127) / 255);
            bgr[FI_RGBA_GREEN] = uchar(qGreen(pixel) + (bgr[FI_RGBA_GREEN] * keep + 127) / 255);
            bgr[FI_RGBA_RED] = uchar(qRed(pixel) + (bgr[FI_RGBA_RED] * keep + 127) / 255);
        }
    }
}
