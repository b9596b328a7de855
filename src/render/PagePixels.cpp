#include "render/PagePixels.h"

#include <algorithm>

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

QRgb DarkGrey(int) { return kDarkGrey; }
QRgb Dash(int offset) { return (offset / 4) % 2 == 0 ? kLightGrey : kDarkGrey; }

} // namespace

QImage EmptyBoxOverlay(const QRect& box, const QRect& visible) {
    const QRect part = box & visible;
    QImage image = TransparentImage(part.width(), part.height());
    for (int j = 0; j < image.height(); ++j) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(j));
        for (int k = 0; k < image.width(); ++k) {
            if (((part.x() + k + part.y() + j) & 1) == 0)
                line[k] = kLightGrey;
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
