#include "imaging/Gdi32.h"
#include "imaging/HDCBMP.h"

#include <gtest/gtest.h>

namespace {

TEST(HDCBMPTest, DeleteOnEmptyOrTwiceDoesNothing) {
    HDCBMP fresh;
    EXPECT_EQ(fresh.hdc(), nullptr);
    EXPECT_EQ(fresh.bmp(), nullptr);
    fresh.Delete();
    fresh.Delete();
    EXPECT_EQ(fresh.hdc(), nullptr);

    HDCBMP surface(30, 20);
    ASSERT_NE(surface.hdc(), nullptr);
    surface.Delete();
    EXPECT_EQ(surface.hdc(), nullptr);
    EXPECT_EQ(surface.bmp(), nullptr);
    surface.Delete();
    EXPECT_EQ(surface.bmp(), nullptr);
}

TEST(HDCBMPTest, CreateGivesAPaintableSurfaceOfTheSize) {
    HDCBMP surface;
    surface.CreateHDC(30, 20);
    ASSERT_NE(surface.hdc(), nullptr);
    ASSERT_NE(surface.bmp(), nullptr);
    EXPECT_TRUE(surface.hdc()->isActive());
    EXPECT_EQ(surface.width(), 30);
    EXPECT_EQ(surface.Height(), 20);
    EXPECT_EQ(surface.bmp()->size(), QSize(30, 20));
    EXPECT_EQ(surface.bmp()->format(), QImage::Format_RGB32);
    surface.hdc()->fillRect(5, 5, 1, 1, QColor(10, 20, 30));
    EXPECT_EQ(surface.bmp()->pixel(5, 5), qRgb(10, 20, 30));

    // A second CreateHDC replaces the first surface.
    surface.CreateHDC(7, 9);
    EXPECT_EQ(surface.bmp()->size(), QSize(7, 9));
    EXPECT_TRUE(surface.hdc()->isActive());
}

TEST(HDCBMPTest, ImpossibleSizeLeavesAnEmptySurfaceThatDrawsNothing) {
    HDCBMP surface;
    surface.CreateHDC(0, 10);
    EXPECT_EQ(surface.hdc(), nullptr);
    EXPECT_EQ(surface.bmp(), nullptr);
    EXPECT_EQ(surface.width(), 0);
    HDCBMP dot(1, 1);
    gdi32::StretchDraw(surface.hdc(), 0, 0, 10, 10, dot.bmp(), 0, 0, 1, 1);
    gdi32::StretchDraw(dot.hdc(), 0, 0, 1, 1, surface.bmp(), 0, 0, 1, 1);
    gdi32::TransparentDraw(dot.hdc(), surface.bmp(), 0, 0, 1, 1, qRgb(0, 0, 0));
    EXPECT_EQ(dot.bmp()->pixel(0, 0), qRgb(0, 0, 0));
}

TEST(HDCBMPTest, MovingKeepsTheSurfaceUsable) {
    HDCBMP first(4, 4);
    HDCBMP second(std::move(first));
    EXPECT_EQ(first.hdc(), nullptr);
    ASSERT_NE(second.hdc(), nullptr);
    second.hdc()->fillRect(0, 0, 4, 4, Qt::white);
    HDCBMP third(2, 2);
    third = std::move(second);
    EXPECT_EQ(third.bmp()->size(), QSize(4, 4));
    EXPECT_EQ(third.bmp()->pixel(3, 3), qRgb(255, 255, 255));
}

} // namespace
