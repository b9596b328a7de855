#include "imaging/FreeImageBridge.h"

#include <gtest/gtest.h>

namespace {

// A colour that differs in every channel for every (x, y).
QRgb Probe(int x, int y) { return qRgb((x * 37) & 255, (y * 53) & 255, (x + y * 7) & 255); }

FiBitmap MakeDib(int width, int height, int bpp) {
    EnsureFreeImage();
    FiBitmap dib(FreeImage_Allocate(width, height, bpp));
    const int step = bpp / 8;
    // FreeImage rows are bottom-up: scan line 0 is the picture's last row.
    for (int y = 0; y < height; ++y) {
        BYTE* line = FreeImage_GetScanLine(dib.get(), height - 1 - y);
        for (int x = 0; x < width; ++x, line += step) {
            line[FI_RGBA_RED] = BYTE(qRed(Probe(x, y)));
            line[FI_RGBA_GREEN] = BYTE(qGreen(Probe(x, y)));
            line[FI_RGBA_BLUE] = BYTE(qBlue(Probe(x, y)));
            if (step == 4)
                line[FI_RGBA_ALPHA] = 0; // alpha must not leak into the picture
        }
    }
    return dib;
}

void ExpectProbe(const QImage& image, int width, int height) {
    ASSERT_EQ(image.size(), QSize(width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(image.pixel(x, y), Probe(x, y)) << x << "," << y;
}

} // namespace

class BridgeToQImage : public ::testing::TestWithParam<std::tuple<int, int, int>> {};

TEST_P(BridgeToQImage, KeepsEveryPixelInPlace) {
    const auto [width, height, bpp] = GetParam();
    const FiBitmap dib = MakeDib(width, height, bpp);
    ExpectProbe(FiToQImage(dib.get()), width, height);
}

// Odd widths exercise the padded FreeImage rows; one row / one column the ends.
INSTANTIATE_TEST_SUITE_P(Sizes, BridgeToQImage,
                         ::testing::Values(std::make_tuple(1, 1, 24), std::make_tuple(7, 3, 24),
                                           std::make_tuple(13, 5, 32), std::make_tuple(1, 9, 24),
                                           std::make_tuple(10, 1, 32), std::make_tuple(64, 4, 24)));

TEST(FreeImageBridge, QImageRoundTripIsExactForEveryFormat) {
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888}) {
        QImage source(11, 6, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, Probe(x, y));
        const FiBitmap dib = FiFromQImage(source.convertToFormat(format));
        ASSERT_TRUE(dib);
        EXPECT_EQ(FreeImage_GetBPP(dib.get()), 24u);
        ExpectProbe(FiToQImage(dib.get()), 11, 6);
    }
}

TEST(FreeImageBridge, EmptyInputsGiveEmptyResults) {
    EXPECT_TRUE(FiToQImage(nullptr).isNull());
    EXPECT_FALSE(FiFromQImage(QImage()));
}
