#include "render/PagePixels.h"

#include <gtest/gtest.h>

namespace {

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y); }

bool Transparent(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 0; }

} // namespace

TEST(PagePixelsTest, EmptyBoxIsACheckerboardByPageCoordinatesInsideADarkFrame) {
    for (const QRect box : {QRect(3, 5, 9, 7), QRect(4, 5, 8, 6), QRect(-3, 2, 7, 7)}) {
        const QImage overlay = EmptyBoxOverlay(box);
        ASSERT_EQ(overlay.size(), box.size());
        for (int j = 0; j < box.height(); ++j) {
            for (int k = 0; k < box.width(); ++k) {
                const bool frame = k < 2 || j < 2 || k >= box.width() - 2 || j >= box.height() - 2;
                const bool even = (box.x() + k + box.y() + j) % 2 == 0;
                SCOPED_TRACE(testing::Message()
                             << "box " << box.x() << "," << box.y() << " at " << k << "," << j);
                if (frame)
                    EXPECT_EQ(At(overlay, k, j), kDarkGrey);
                else if (even)
                    EXPECT_EQ(At(overlay, k, j), kLightGrey);
                else
                    EXPECT_TRUE(Transparent(overlay, k, j));
            }
        }
    }
}

TEST(PagePixelsTest, TinyAndEmptyBoxesAreAllFrameOrNothing) {
    const QImage one = EmptyBoxOverlay(QRect(0, 0, 1, 1));
    ASSERT_EQ(one.size(), QSize(1, 1));
    EXPECT_EQ(At(one, 0, 0), kDarkGrey);
    const QImage three = EmptyBoxOverlay(QRect(0, 0, 3, 3));
    for (int j = 0; j < 3; ++j)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(At(three, k, j), kDarkGrey);
    EXPECT_TRUE(EmptyBoxOverlay(QRect(5, 5, 0, 4)).isNull());
    EXPECT_TRUE(DashedFrameOverlay(0, 0).isNull());
}

TEST(PagePixelsTest, TextFrameHasDashesOfFourAndColumnsWinAtCorners) {
    const int w = 19, h = 13;
    const QImage frame = DashedFrameOverlay(w, h);
    auto dash = [](int offset) { return (offset / 4) % 2 == 0 ? kLightGrey : kDarkGrey; };
    for (int k = 2; k < w - 2; ++k) {
        for (int row : {0, 1, h - 2, h - 1})
            EXPECT_EQ(At(frame, k, row), dash(k)) << k << "," << row;
    }
    for (int j = 0; j < h; ++j) {
        for (int column : {0, 1, w - 2, w - 1})
            EXPECT_EQ(At(frame, column, j), dash(j)) << column << "," << j;
    }
    // Column 1 of row 12: the row would give light (k = 1), the column dark (j = 12).
    EXPECT_EQ(At(frame, 1, 12), kDarkGrey);
}

TEST(PagePixelsTest, InsideOfTheTextFrameStaysTransparent) {
    const QImage frame = DashedFrameOverlay(10, 10);
    for (int j = 2; j < 8; ++j)
        for (int k = 2; k < 8; ++k)
            EXPECT_TRUE(Transparent(frame, k, j));
}

TEST(PagePixelsTest, OverlaysOfBoxesPastThePageHoldOnlyTheirPartOnIt) {
    const QRect page(0, 0, 40, 30);
    for (const QRect box : {QRect(-7, -5, 30, 20), QRect(25, 20, 30, 20), QRect(-9, -9, 60, 50),
                            QRect(3, 4, 20, 10)}) {
        SCOPED_TRACE(testing::Message() << "box " << box.x() << "," << box.y());
        const QRect part = box & page;
        const QRect inBox = part.translated(-box.topLeft());
        const QImage empty = EmptyBoxOverlay(box, page);
        EXPECT_EQ(empty, EmptyBoxOverlay(box).copy(inBox));
        const QImage frame = DashedFrameOverlay(box, page);
        EXPECT_EQ(frame, DashedFrameOverlay(box.width(), box.height()).copy(inBox));
    }
    // A box of a million pixels each way costs only the page.
    const QRect huge(-500000, -500000, 1000000, 1000000);
    EXPECT_EQ(EmptyBoxOverlay(huge, page).size(), page.size());
    EXPECT_EQ(DashedFrameOverlay(huge, page).size(), page.size());
    EXPECT_TRUE(EmptyBoxOverlay(QRect(50, 50, 10, 10), page).isNull());
}
