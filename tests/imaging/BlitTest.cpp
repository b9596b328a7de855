#include "imaging/Blit.h"
#include "imaging/PaintSurface.h"

#include <gtest/gtest.h>

namespace {

// RGB32 pixels read back with an opaque alpha, whatever a raster operation
// left in the unused byte.
QRgb Rgb(const PaintSurface& surface, int x, int y) {
    return surface.image()->pixel(x, y);
}

// Every pixel of the rectangle has the colour.
bool Filled(const PaintSurface& surface, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (Rgb(surface, x, y) != colour)
                return false;
    return true;
}

TEST(BlitTest, StretchingAWhiteDotFillsTheRectangle) {
    PaintSurface dot(1, 1);
    dot.painter()->fillRect(0, 0, 1, 1, Qt::white);
    PaintSurface page(320, 240);
    blit::StretchDraw(page.painter(), 10, 20, 300, 200, dot.image(), 0, 0, 1, 1);
    EXPECT_TRUE(Filled(page, QRect(10, 20, 300, 200), qRgb(255, 255, 255)));
    EXPECT_TRUE(Filled(page, QRect(0, 0, 320, 20), qRgb(0, 0, 0)));
    EXPECT_TRUE(Filled(page, QRect(0, 220, 320, 20), qRgb(0, 0, 0)));
    EXPECT_TRUE(Filled(page, QRect(310, 20, 10, 200), qRgb(0, 0, 0)));
    EXPECT_FALSE(page.painter()->testRenderHint(QPainter::SmoothPixmapTransform));
}

TEST(BlitTest, StretchTakesNearestPixelsOfTheSourceRectangle) {
    PaintSurface source(4, 4);
    source.painter()->fillRect(0, 0, 2, 4, Qt::red);
    source.painter()->fillRect(2, 0, 2, 4, Qt::blue);
    source.painter()->fillRect(0, 2, 4, 2, Qt::green);
    PaintSurface target(8, 4);
    blit::StretchDraw(target.painter(), 0, 0, 8, 4, source.image(), 0, 0, 4, 2);
    EXPECT_TRUE(Filled(target, QRect(0, 0, 4, 4), qRgb(255, 0, 0)));
    EXPECT_TRUE(Filled(target, QRect(4, 0, 4, 4), qRgb(0, 0, 255)));
    // Shrinking keeps pure source colours too: no blending.
    PaintSurface small(2, 2);
    blit::StretchDraw(small.painter(), 0, 0, 2, 2, source.image(), 0, 0, 4, 4);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            const QRgb c = Rgb(small, x, y);
            EXPECT_TRUE(c == qRgb(255, 0, 0) || c == qRgb(0, 0, 255) || c == qRgb(0, 255, 0)) << x << y;
        }
}

TEST(BlitTest, RasterOperationsCombineWithTheDestination) {
    PaintSurface source(1, 1);
    source.painter()->fillRect(0, 0, 1, 1, QColor(0xF0, 0x0F, 0xFF));
    PaintSurface target(4, 1);
    target.painter()->fillRect(0, 0, 4, 1, QColor(0x3C, 0x3C, 0x00));
    blit::StretchDraw(target.painter(), 0, 0, 1, 1, source.image(), 0, 0, 1, 1, blit::RasterOp::And);
    blit::StretchDraw(target.painter(), 1, 0, 1, 1, source.image(), 0, 0, 1, 1, blit::RasterOp::Xor);
    blit::StretchDraw(target.painter(), 2, 0, 1, 1, source.image(), 0, 0, 1, 1, blit::RasterOp::Or);
    blit::StretchDraw(target.painter(), 3, 0, 1, 1, source.image(), 0, 0, 1, 1, blit::RasterOp::NotCopy);
    EXPECT_EQ(Rgb(target, 0, 0), qRgb(0x30, 0x0C, 0x00));
    EXPECT_EQ(Rgb(target, 1, 0), qRgb(0xCC, 0x33, 0xFF));
    EXPECT_EQ(Rgb(target, 2, 0), qRgb(0xFC, 0x3F, 0xFF));
    EXPECT_EQ(Rgb(target, 3, 0), qRgb(0x0F, 0xF0, 0x00));
}

PaintSurface Pattern(int width, int height) {
    PaintSurface surface(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            surface.painter()->fillRect(x, y, 1, 1, QColor(x * 20, y * 20, 100));
    return surface;
}

TEST(BlitTest, TransparentDrawKeepsTheDestinationUnderKeyPixels) {
    const QRgb key = qRgb(255, 255, 255);
    PaintSurface page = Pattern(10, 10);
    const QImage before = page.image()->copy();

    PaintSurface allKey(4, 4);
    allKey.painter()->fillRect(0, 0, 4, 4, QColor(key));
    blit::TransparentDraw(page.painter(), allKey.image(), 3, 3, 4, 4, key);
    EXPECT_EQ(*page.image(), before);

    // No key pixel: a plain copy of width x height at (x, y).
    const PaintSurface text = Pattern(6, 6);
    blit::TransparentDraw(page.painter(), text.image(), 2, 3, 4, 5, key);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 3 && y < 8;
            const QRgb expected = inside ? Rgb(text, x - 2, y - 3) : before.pixel(x, y);
            EXPECT_EQ(Rgb(page, x, y), expected) << x << "," << y;
        }
}

TEST(BlitTest, TransparentDrawCopiesOnlyNonKeyPixels) {
    const QRgb key = qRgb(250, 250, 240);
    PaintSurface page(6, 6);
    page.painter()->fillRect(0, 0, 6, 6, Qt::blue);
    PaintSurface text(6, 6);
    text.painter()->fillRect(0, 0, 6, 6, QColor(key));
    text.painter()->fillRect(1, 1, 2, 1, QColor(1, 2, 3)); // a stroke of text
    text.painter()->fillRect(2, 2, 1, 1, QColor(250, 250, 241)); // near the key, not the key
    blit::TransparentDraw(page.painter(), text.image(), 0, 0, 6, 6, key);
    EXPECT_EQ(Rgb(page, 1, 1), qRgb(1, 2, 3));
    EXPECT_EQ(Rgb(page, 2, 1), qRgb(1, 2, 3));
    EXPECT_EQ(Rgb(page, 2, 2), qRgb(250, 250, 241));
    EXPECT_EQ(Rgb(page, 0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(Rgb(page, 5, 5), qRgb(0, 0, 255));
}

} // namespace
