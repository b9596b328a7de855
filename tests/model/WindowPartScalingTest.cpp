#include "imaging/TestJpegs.h"

#include "imaging/FreeImageBridge.h"
#include "model/WindowPartScaling.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace TestJpegs;

namespace {

// A picture with fine texture, and hard edges where its left third is flat
// red above blue.
FiBitmap Detailed(int width, int height) {
    QImage image = PhotoLike(width, height);
    const QImage quadrants = Quadrants(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 3; ++x)
            image.setPixel(x, y, quadrants.pixel(x, y));
    return FiFromQImage(image);
}

QImage Scaled(FIBITMAP* picture, const QRect& window, QSize box, const QRect& part) {
    const FiBitmap scaled = ScaleWindowPart(picture, window, box, part);
    EXPECT_EQ(FreeImage_GetBPP(scaled.get()), 24u);
    return FiToQImage(scaled.get());
}

// Whether each channel of `pixel` lies within the range that `whole` spans
// in the 3 x 3 pixels around `at`, widened by `tolerance`.
bool WithinAPixel(QRgb pixel, const QImage& whole, QPoint at, int tolerance) {
    using Channel = int (*)(QRgb);
    for (Channel channel : {Channel(qRed), Channel(qGreen), Channel(qBlue)}) {
        int low = 255;
        int high = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p = at + QPoint(dx, dy);
                if (!whole.rect().contains(p))
                    continue;
                low = std::min(low, channel(whole.pixel(p)));
                high = std::max(high, channel(whole.pixel(p)));
            }
        if (channel(pixel) < low - tolerance || channel(pixel) > high + tolerance)
            return false;
    }
    return true;
}

// How many pixels of `part` show nothing that `whole` (the whole box) shows
// within one pixel of the same place.
int Mismatches(const QImage& part, const QImage& whole, QPoint at) {
    int count = 0;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            count += WithinAPixel(part.pixel(x, y), whole, at + QPoint(x, y), 4) ? 0 : 1;
    return count;
}

} // namespace

TEST(WindowPartScaling, TheWholeBoxIsOneBicubicRescaleOfTheWindow) {
    const FiBitmap picture = Detailed(300, 200);
    for (const auto& [window, box] : {std::pair{QRect(10, 20, 240, 160), QSize(517, 344)},
                                      {QRect(0, 0, 300, 200), QSize(120, 80)},
                                      {QRect(100, 50, 30, 20), QSize(600, 400)}}) {
        const FiBitmap expected(FreeImage_RescaleRect(
            picture.get(), box.width(), box.height(), window.left(), window.top(),
            window.right() + 1, window.bottom() + 1, FILTER_BICUBIC));
        EXPECT_EQ(Scaled(picture.get(), window, box, QRect(QPoint(0, 0), box)),
                  FiToQImage(expected.get()));
    }
}

TEST(WindowPartScaling, APartHoldsTheWholeBoxsPixelsThereUpToAPixelOfEdge) {
    const FiBitmap picture = Detailed(300, 200);
    // Magnified, reduced and kept about the size of the window.
    for (const auto& [window, box] : {std::pair{QRect(10, 20, 240, 160), QSize(2000, 1333)},
                                      {QRect(0, 0, 300, 200), QSize(97, 64)},
                                      {QRect(5, 5, 290, 190), QSize(301, 197)}}) {
        const QImage whole = Scaled(picture.get(), window, box, QRect(QPoint(0, 0), box));
        const QSize quarter = box / 4;
        for (const QRect part :
             {QRect(QPoint(0, 0), quarter),
              QRect(QPoint(box.width() / 3, box.height() / 5), quarter),
              QRect(QPoint(box.width() - quarter.width(), box.height() - quarter.height()),
                    quarter),
              QRect(1, 1, box.width() - 2, 3)}) {
            SCOPED_TRACE(testing::Message()
                         << "box " << box.width() << " part " << part.x() << "," << part.y());
            const QImage scaled = Scaled(picture.get(), window, box, part);
            ASSERT_EQ(scaled.size(), part.size());
            EXPECT_EQ(Mismatches(scaled, whole, part.topLeft()), 0);
        }
    }
}

TEST(WindowPartScaling, AWindowMagnifiedFarPastThePartIsStillShownWhereItBelongs) {
    // 8 x 6 quadrants in a box of 80000 x 60000: each source pixel is 10000
    // box pixels wide, and only a part of 300 x 200 is made.
    const FiBitmap picture = FiFromQImage(Quadrants(8, 6));
    const QSize box(80000, 60000);
    const QRect window(0, 0, 8, 6);
    auto colourAt = [&](QPoint at) {
        const QImage part = Scaled(picture.get(), window, box, QRect(at, QSize(300, 200)));
        EXPECT_EQ(part.size(), QSize(300, 200));
        return part.pixel(150, 100);
    };
    EXPECT_TRUE(Near(colourAt({5000, 5000}), Qt::red));
    EXPECT_TRUE(Near(colourAt({70000, 5000}), Qt::green));
    EXPECT_TRUE(Near(colourAt({5000, 50000}), Qt::blue));
    EXPECT_TRUE(Near(colourAt({70000, 50000}), Qt::white));
}

TEST(WindowPartScaling, NothingForAPartOutsideTheBoxOrAnEmptyWindow) {
    const FiBitmap picture = Detailed(30, 20);
    EXPECT_FALSE(
        ScaleWindowPart(picture.get(), QRect(0, 0, 30, 20), QSize(60, 40), QRect(60, 0, 10, 10)));
    EXPECT_FALSE(ScaleWindowPart(picture.get(), QRect(), QSize(60, 40), QRect(0, 0, 10, 10)));
    EXPECT_FALSE(ScaleWindowPart(nullptr, QRect(0, 0, 30, 20), QSize(60, 40), QRect(0, 0, 10, 10)));
}
