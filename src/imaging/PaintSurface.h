#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

// An off-screen drawing surface: an RGB32 picture of a fixed pixel size and
// a painter on it. Empty (painter() and image() null) until Create succeeds and
// again after Delete; dropping it releases it too.
class PaintSurface {
public:
    PaintSurface() = default;
    PaintSurface(int width, int height) { Create(width, height); }
    ~PaintSurface() { Delete(); }
    PaintSurface(PaintSurface&&) noexcept = default;
    PaintSurface& operator=(PaintSurface&& other) noexcept;
    PaintSurface(const PaintSurface&) = delete;
    PaintSurface& operator=(const PaintSurface&) = delete;

    QPainter* painter() const { return mPainter.get(); }
    // Shares its pixels with the painter: take copy() for a picture that must
    // not change with later drawing.
    const QImage* image() const { return mImage.get(); }
    int width() const { return mWidth; }
    int height() const { return mHeight; }

    // Replaces any surface held with a new one of width x height, initially
    // black. A size that gives no picture leaves the surface empty.
    void Create(int width, int height);
    // Releases the surface; does nothing when it is empty.
    void Delete();

private:
    std::unique_ptr<QImage> mImage;
    std::unique_ptr<QPainter> mPainter;
    int mWidth = 0;
    int mHeight = 0;
};
