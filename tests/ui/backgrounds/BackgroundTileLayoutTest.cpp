#include "ui/backgrounds/BackgroundTileLayout.h"
#include "ui/panes/SidePaneLayout.h"

#include <gtest/gtest.h>

using enum PaneView;

TEST(BackgroundTileLayoutTest, RowTilesStepBy166AndScrollSideways) {
    EXPECT_EQ(BackgroundTilePlace(Strip, 0, 0), QRect(10, 10, 156, 115));
    EXPECT_EQ(BackgroundTilePlace(Strip, 3, 0), QRect(508, 10, 156, 115));
    // One scroll step moves every tile 75 pixels to the left.
    EXPECT_EQ(BackgroundTilePlace(Strip, 3, BackgroundScrollStart(1)), QRect(433, 10, 156, 115));
    EXPECT_EQ(BackgroundTilePlace(Strip, 0, BackgroundScrollStart(2)), QRect(-140, 10, 156, 115));
}

TEST(BackgroundTileLayoutTest, ColumnTilesStepBy125AndScrollUpAndDown) {
    EXPECT_EQ(BackgroundTilePlace(Column, 0, 0), QRect(10, 10, 156, 115));
    EXPECT_EQ(BackgroundTilePlace(Column, 3, 0), QRect(10, 385, 156, 115));
    EXPECT_EQ(BackgroundTilePlace(Column, 3, BackgroundScrollStart(1)), QRect(10, 310, 156, 115));
}

TEST(BackgroundTileLayoutTest, RowScrollMaximumCoversTheTilesBeyondThePaneWidth) {
    // (10 + 1660 - 600) / 75 = 14.27, rounded up.
    EXPECT_EQ(BackgroundScrollMaximum(Strip, 10, QSize(600, 161)), 15);
    // Exactly filled: no bar; one pixel short: one step.
    EXPECT_EQ(BackgroundScrollMaximum(Strip, 5, QSize(840, 161)), 0);
    EXPECT_EQ(BackgroundScrollMaximum(Strip, 5, QSize(839, 161)), 1);
    // Only the width counts in a row.
    EXPECT_EQ(BackgroundScrollMaximum(Strip, 10, QSize(600, 10)), 15);
    EXPECT_LE(BackgroundScrollMaximum(Strip, 0, QSize(600, 161)), 0);
}

TEST(BackgroundTileLayoutTest, ColumnScrollMaximumCoversTheTilesBeyondThePaneHeight) {
    // (1250 - 600) / 75 = 8.67, rounded up.
    EXPECT_EQ(BackgroundScrollMaximum(Column, 10, QSize(191, 600)), 9);
    EXPECT_EQ(BackgroundScrollMaximum(Column, 10, QSize(191, 1250)), 0);
    EXPECT_EQ(BackgroundScrollMaximum(Column, 10, QSize(191, 1249)), 1);
    // Exactly one step over: 75 pixels hidden need one step, 76 two.
    EXPECT_EQ(BackgroundScrollMaximum(Column, 10, QSize(191, 1175)), 1);
    EXPECT_EQ(BackgroundScrollMaximum(Column, 10, QSize(191, 1174)), 2);
}

TEST(BackgroundTileLayoutTest, ScrollBarsRunAlongTheBottomOrTheRightEdge) {
    EXPECT_EQ(SidePaneScrollBarRect(Strip, QSize(600, 161), 16), QRect(0, 142, 600, 16));
    EXPECT_EQ(SidePaneScrollBarRect(Column, QSize(191, 400), 16), QRect(172, 0, 16, 400));
}
