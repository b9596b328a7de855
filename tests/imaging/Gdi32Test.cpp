#include "imaging/Gdi32.h"
#include "imaging/HDCBMP.h"

#include <gtest/gtest.h>

namespace {

// RGB32 pixels read back with an opaque alpha, whatever a raster operation
// left in the unused byte.
QRgb Rgb(const HDCBMP& surface, int x, int y) {
    return surface.bmp()->pixel(x, y);
}

// Every pixel of the rectangle has the colour.
bool Filled(const HDCBMP& surface, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (Rgb(surface, x, y) != colour)
                return false;
    return true;
}

TEST(Gdi32Test, StretchingAWhiteDotFillsTheRectangle) {
    HDCBMP dot(1, 1);
    dot.hdc()->fillRect(0, 0, 1, 1, Qt::white);
    HDCBMP page(320, 240);
    gdi32::StretchDraw(page.hdc(), 10, 20, 300, 200, dot.bmp(), 0, 0, 1, 1);
    EXPECT_TRUE(Filled(page, QRect(10, 20, 300, 200), qRgb(255, 255, 255)));
    EXPECT_TRUE(Filled(page, QRect(0, 0, 320, 20), qRgb(0, 0, 0)));
    EXPECT_TRUE(Filled(page, QRect(0, 220, 320, 20), qRgb(0, 0, 0)));
    EXPECT_TRUE(Filled(page, QRect(310, 20, 10, 200), qRgb(0, 0, 0)));
    EXPECT_FALSE(page.hdc()->testRenderHint(QPainter::SmoothPixmapTransform));
}

TEST(Gdi32Test, StretchTakesNearestPixelsOfTheSourceRectangle) {
    HDCBMP source(4, 4);
    source.hdc()->fillRect(0, 0, 2, 4, Qt::red);
    source.hdc()->fillRect(2, 0, 2, 4, Qt::blue);
    source.hdc()->fillRect(0, 2, 4, 2, Qt::green);
    HDCBMP target(8, 4);
    gdi32::StretchDraw(target.hdc(), 0, 0, 8, 4, source.bmp(), 0, 0, 4, 2);
    EXPECT_TRUE(Filled(target, QRect(0, 0, 4, 4), qRgb(255, 0, 0)));
    EXPECT_TRUE(Filled(target, QRect(4, 0, 4, 4), qRgb(0, 0, 255)));
    // Shrinking keeps pure source colours too: no blending.
    HDCBMP small(2, 2);
    gdi32::StretchDraw(small.hdc(), 0, 0, 2, 2, source.bmp(), 0, 0, 4, 4);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            const QRgb c = Rgb(small, x, y);
            EXPECT_TRUE(c == qRgb(255, 0, 0) || c == qRgb(0, 0, 255) || c == qRgb(0, 255, 0)) << x << y;
        }
}

TEST(Gdi32Test, RasterOperationsCombineWithTheDestination) {
    HDCBMP source(1, 1);
    source.hdc()->fillRect(0, 0, 1, 1, QColor(0xF0, 0x0F, 0xFF));
    HDCBMP target(4, 1);
    target.hdc()->fillRect(0, 0, 4, 1, QColor(0x3C, 0x3C, 0x00));
    gdi32::StretchDraw(target.hdc(), 0, 0, 1, 1, source.bmp(), 0, 0, 1, 1, gdi32::RasterOp::SrcAnd);
    gdi32::StretchDraw(target.hdc(), 1, 0, 1, 1, source.bmp(), 0, 0, 1, 1, gdi32::RasterOp::SrcInvert);
    gdi32::StretchDraw(target.hdc(), 2, 0, 1, 1, source.bmp(), 0, 0, 1, 1, gdi32::RasterOp::SrcPaint);
    gdi32::StretchDraw(target.hdc(), 3, 0, 1, 1, source.bmp(), 0, 0, 1, 1, gdi32::RasterOp::NotSrcCopy);
    EXPECT_EQ(Rgb(target, 0, 0), qRgb(0x30, 0x0C, 0x00));
    EXPECT_EQ(Rgb(target, 1, 0), qRgb(0xCC, 0x33, 0xFF));
    EXPECT_EQ(Rgb(target, 2, 0), qRgb(0xFC, 0x3F, 0xFF));
    EXPECT_EQ(Rgb(target, 3, 0), qRgb(0x0F, 0xF0, 0x00));
}

HDCBMP Pattern(int width, int height) {
    HDCBMP surface(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            surface.hdc()->fillRect(x, y, 1, 1, QColor(x * 20, y * 20, 100));
    return surface;
}

TEST(Gdi32Test, TransparentDrawKeepsTheDestinationUnderKeyPixels) {
    const QRgb key = qRgb(255, 255, 255);
    HDCBMP page = Pattern(10, 10);
    const QImage before = page.bmp()->copy();

    HDCBMP allKey(4, 4);
    allKey.hdc()->fillRect(0, 0, 4, 4, QColor(key));
    gdi32::TransparentDraw(page.hdc(), allKey.bmp(), 3, 3, 4, 4, key);
    EXPECT_EQ(*page.bmp(), before);

    // No key pixel: a plain copy of width x height at (x, y).
    const HDCBMP text = Pattern(6, 6);
    gdi32::TransparentDraw(page.hdc(), text.bmp(), 2, 3, 4, 5, key);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 3 && y < 8;
            const QRgb expected = inside ? Rgb(text, x - 2, y - 3) : before.pixel(x, y);
            EXPECT_EQ(Rgb(page, x, y), expected) << x << "," << y;
        }
}

TEST(Gdi32Test, TransparentDrawCopiesOnlyNonKeyPixels) {
    const QRgb key = qRgb(250, 250, 240);
    HDCBMP page(6, 6);
    page.hdc()->fillRect(0, 0, 6, 6, Qt::blue);
    HDCBMP text(6, 6);
    text.hdc()->fillRect(0, 0, 6, 6, QColor(key));
    text.hdc()->fillRect(1, 1, 2, 1, QColor(1, 2, 3)); // a stroke of text
    text.hdc()->fillRect(2, 2, 1, 1, QColor(250, 250, 241)); // near the key, not the key
    gdi32::TransparentDraw(page.hdc(), text.bmp(), 0, 0, 6, 6, key);
    EXPECT_EQ(Rgb(page, 1, 1), qRgb(1, 2, 3));
    EXPECT_EQ(Rgb(page, 2, 1), qRgb(1, 2, 3));
    EXPECT_EQ(Rgb(page, 2, 2), qRgb(250, 250, 241));
    EXPECT_EQ(Rgb(page, 0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(Rgb(page, 5, 5), qRgb(0, 0, 255));
}

} // namespace
