#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

// An off-screen drawing surface: an RGB32 picture of a fixed pixel size and
// a painter on it. Empty (hdc() and bmp() null) until CreateHDC succeeds and
// again after Delete; dropping it releases it too.
class HDCBMP {
public:
    HDCBMP() = default;
    HDCBMP(int width, int height) { CreateHDC(width, height); }
    ~HDCBMP() { Delete(); }
    HDCBMP(HDCBMP&&) noexcept = default;
    HDCBMP& operator=(HDCBMP&& other) noexcept;
    HDCBMP(const HDCBMP&) = delete;
    HDCBMP& operator=(const HDCBMP&) = delete;

    QPainter* hdc() const { return mPainter.get(); }
    // Shares its pixels with the painter: take copy() for a picture that must
    // not change with later drawing.
    const QImage* bmp() const { return mImage.get(); }
    int width() const { return mWidth; }
    int Height() const { return mHeight; }

    // Replaces any surface held with a new one of width x height, initially
    // black. A size that gives no picture leaves the surface empty.
    void CreateHDC(int width, int height);
    // Releases the surface; does nothing when it is empty.
    void Delete();

private:
    std::unique_ptr<QImage> mImage;
    std::unique_ptr<QPainter> mPainter;
    int mWidth = 0;
    int mHeight = 0;
};
