#include "imaging/PaintSurface.h"

#include <gtest/gtest.h>

namespace {

TEST(PaintSurfaceTest, DeleteOnEmptyOrTwiceDoesNothing) {
    PaintSurface fresh;
    EXPECT_EQ(fresh.painter(), nullptr);
    EXPECT_EQ(fresh.image(), nullptr);
    fresh.Delete();
    fresh.Delete();
    EXPECT_EQ(fresh.painter(), nullptr);

    PaintSurface surface(30, 20);
    ASSERT_NE(surface.painter(), nullptr);
    surface.Delete();
    EXPECT_EQ(surface.painter(), nullptr);
    EXPECT_EQ(surface.image(), nullptr);
    surface.Delete();
    EXPECT_EQ(surface.image(), nullptr);
}

TEST(PaintSurfaceTest, CreateGivesAPaintableSurfaceOfTheSize) {
    PaintSurface surface;
    surface.Create(30, 20);
    ASSERT_NE(surface.painter(), nullptr);
    ASSERT_NE(surface.image(), nullptr);
    EXPECT_TRUE(surface.painter()->isActive());
    EXPECT_EQ(surface.width(), 30);
    EXPECT_EQ(surface.height(), 20);
    EXPECT_EQ(surface.image()->size(), QSize(30, 20));
    EXPECT_EQ(surface.image()->format(), QImage::Format_RGB32);
    surface.painter()->fillRect(5, 5, 1, 1, QColor(10, 20, 30));
    EXPECT_EQ(surface.image()->pixel(5, 5), qRgb(10, 20, 30));

    // A second Create replaces the first surface.
    surface.Create(7, 9);
    EXPECT_EQ(surface.image()->size(), QSize(7, 9));
    EXPECT_TRUE(surface.painter()->isActive());
}

TEST(PaintSurfaceTest, ImpossibleSizeLeavesAnEmptySurface) {
    PaintSurface surface;
    surface.Create(0, 10);
    EXPECT_EQ(surface.painter(), nullptr);
    EXPECT_EQ(surface.image(), nullptr);
    EXPECT_EQ(surface.width(), 0);
}

TEST(PaintSurfaceTest, MovingKeepsTheSurfaceUsable) {
    PaintSurface first(4, 4);
    PaintSurface second(std::move(first));
    EXPECT_EQ(first.painter(), nullptr);
    ASSERT_NE(second.painter(), nullptr);
    second.painter()->fillRect(0, 0, 4, 4, Qt::white);
    PaintSurface third(2, 2);
    third = std::move(second);
    EXPECT_EQ(third.image()->size(), QSize(4, 4));
    EXPECT_EQ(third.image()->pixel(3, 3), qRgb(255, 255, 255));
}

} // namespace
