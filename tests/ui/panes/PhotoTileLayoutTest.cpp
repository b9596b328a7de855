#include "ui/panes/PhotoTileLayout.h"

#include <gtest/gtest.h>

using enum PaneView;

TEST(PhotoTileLayoutTest, ScrollRangeFollowsTileCountAndPaneLength) {
    // 400 wide, 5 tiles: round(5 - 390 / 130) = 2, maximum 3.
    PhotoScrollRange r = PhotoScrollRangeFor(5, 400, 0);
    EXPECT_TRUE(r.visible);
    EXPECT_EQ(r.maximum, 3);
    EXPECT_EQ(r.value, 0);
    // Everything fits: no bar, maximum and value 0.
    r = PhotoScrollRangeFor(3, 400, 2);
    EXPECT_FALSE(r.visible);
    EXPECT_EQ(r.maximum, 0);
    EXPECT_EQ(r.value, 0);
    // A value above n comes down to n; n itself and below stay.
    EXPECT_EQ(PhotoScrollRangeFor(5, 400, 3).value, 2);
    EXPECT_EQ(PhotoScrollRangeFor(5, 400, 2).value, 2);
    EXPECT_EQ(PhotoScrollRangeFor(5, 400, 1).value, 1);
    // No tiles at all.
    EXPECT_FALSE(PhotoScrollRangeFor(0, 100, 0).visible);
}

TEST(PhotoTileLayoutTest, ScrollRangeRoundsHalvesToEven) {
    // L - 10 = 195 -> 1.5 tiles: 3 - 1.5 = 1.5 -> 2; 2 - 1.5 = 0.5 -> 0 (hidden).
    EXPECT_EQ(PhotoScrollRangeFor(3, 205, 0).maximum, 3);
    EXPECT_FALSE(PhotoScrollRangeFor(2, 205, 0).visible);
    // 4 - 2.5 = 1.5 -> 2.
    EXPECT_EQ(PhotoScrollRangeFor(4, 335, 0).maximum, 3);
    // 1.4 -> 1, just enough for a bar.
    EXPECT_EQ(PhotoScrollRangeFor(2, 88, 0).maximum, 2);
}

TEST(PhotoTileLayoutTest, PaneLengthIsWidthInStripAndHeightInColumn) {
    EXPECT_EQ(PhotoPaneLength(Strip, QSize(400, 161)), 400);
    EXPECT_EQ(PhotoPaneLength(Column, QSize(163, 600)), 600);
}

TEST(PhotoTileLayoutTest, TilesStandInARowInLayoutOne) {
    PhotoTilePlace p = PhotoTilePlaceFor(Strip, 0, 0);
    EXPECT_EQ(p.tile, QRect(10, 20, 120, 120));
    EXPECT_EQ(p.deleteButton, QPoint(10, 5));
    p = PhotoTilePlaceFor(Strip, 3, 1);
    EXPECT_EQ(p.tile, QRect(270, 20, 120, 120));
    EXPECT_EQ(p.deleteButton, QPoint(270, 5));
    // Scrolled past: the tile moves left of the pane.
    EXPECT_EQ(PhotoTilePlaceFor(Strip, 0, 2).tile.left(), -250);
}

TEST(PhotoTileLayoutTest, TilesStandInAColumnInLayoutTwo) {
    PhotoTilePlace p = PhotoTilePlaceFor(Column, 2, 0);
    EXPECT_EQ(p.tile, QRect(20, 270, 120, 120));
    EXPECT_EQ(p.deleteButton, QPoint(5, 270));
    EXPECT_EQ(PhotoTilePlaceFor(Column, 2, 2).tile, QRect(20, 10, 120, 120));
}

TEST(PhotoTileLayoutTest, TilesWhollyOutsideThePaneAreHidden) {
    const QSize pane(400, 161);
    EXPECT_TRUE(PhotoTileShown(PhotoTilePlaceFor(Strip, 0, 0).tile, pane));
    // The fourth tile starts at the right edge; one column more shows it.
    EXPECT_FALSE(PhotoTileShown(PhotoTilePlaceFor(Strip, 3, 0).tile, pane));
    EXPECT_TRUE(PhotoTileShown(PhotoTilePlaceFor(Strip, 3, 0).tile, QSize(401, 161)));
    EXPECT_FALSE(PhotoTileShown(PhotoTilePlaceFor(Strip, 0, 1).tile, pane)); // right edge at 0
    EXPECT_TRUE(PhotoTileShown(PhotoTilePlaceFor(Strip, 1, 1).tile, pane));
    const QSize column(163, 300);
    EXPECT_TRUE(PhotoTileShown(PhotoTilePlaceFor(Column, 2, 0).tile, column));
    EXPECT_FALSE(PhotoTileShown(PhotoTilePlaceFor(Column, 3, 0).tile, column));
}

TEST(PhotoTileLayoutTest, ScrollBarsRunAlongTheBottomOrTheRightEdge) {
    EXPECT_EQ(PhotoScrollBarRect(Strip, QSize(400, 161), 16), QRect(0, 142, 397, 16));
    EXPECT_EQ(PhotoScrollBarRect(Column, QSize(163, 600), 16), QRect(144, 0, 16, 600));
}
