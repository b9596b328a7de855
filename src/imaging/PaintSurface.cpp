#include "imaging/PaintSurface.h"

PaintSurface& PaintSurface::operator=(PaintSurface&& other) noexcept {
    if (this != &other) {
        Delete();
        mImage = std::move(other.mImage);
        mPainter = std::move(other.mPainter);
        mWidth = other.mWidth;
        mHeight = other.mHeight;
    }
    return *this;
}

void PaintSurface::Create(int width, int height) {
    Delete();
    mWidth = width;
    mHeight = height;
    if (width <= 0 || height <= 0)
        return;
    auto image = std::make_unique<QImage>(width, height, QImage::Format_RGB32);
    if (image->isNull())
        return;
    image->fill(Qt::black);
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(image.get()))
        return;
    mImage = std::move(image);
    mPainter = std::move(painter);
}

void PaintSurface::Delete() {
    if (!mPainter && !mImage)
        return;
    if (mPainter)
        mPainter->end();
    mPainter.reset();
    mImage.reset();
}
