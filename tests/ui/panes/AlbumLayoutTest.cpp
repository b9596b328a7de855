#include "ui/panes/AlbumLayout.h"
#include "ui/panes/SidePaneLayout.h"

#include <gtest/gtest.h>

using enum PaneView;

TEST(AlbumLayoutTest, PairsAndLabelsOfShortAndLongBooks) {
    EXPECT_EQ(AlbumPairCount(4), 3);
    EXPECT_EQ(AlbumPairCount(5), 3);
    EXPECT_EQ(AlbumPairCount(20), 11);
    EXPECT_EQ(AlbumPairCount(100), 51);
    // Pair 0 holds only page 0, on the right.
    EXPECT_EQ(AlbumLabelsOf(0, 5), (AlbumPairLabels{false, "0", true, "1"}));
    EXPECT_EQ(AlbumLabelsOf(2, 5), (AlbumPairLabels{true, "2", true, "3"}));
    EXPECT_EQ(AlbumLabelsOf(4, 5), (AlbumPairLabels{true, "4", true, "5"}));
    // With 4 pages the last pair has a left page only.
    EXPECT_EQ(AlbumLabelsOf(4, 4), (AlbumPairLabels{true, "4", false, "5"}));
    EXPECT_EQ(AlbumLabelsOf(20, 20), (AlbumPairLabels{true, "20", false, "21"}));
    EXPECT_EQ(AlbumLabelsOf(100, 100), (AlbumPairLabels{true, "100", false, "101"}));
    EXPECT_EQ(AlbumLabelsOf(98, 100), (AlbumPairLabels{true, "98", true, "99"}));
}

TEST(AlbumLayoutTest, PairsStandSideBySideInTheStripAndStackedInTheColumn) {
    EXPECT_EQ(AlbumPairPosition(Strip, 0, 0), QPoint(0, 5));
    EXPECT_EQ(AlbumPairPosition(Strip, 6, 150), QPoint(3 * 310 - 150, 5));
    EXPECT_EQ(AlbumPairPosition(Column, 6, 150), QPoint(0, 3 * 136 - 150));
    EXPECT_EQ(AlbumPairPosition(Column, 100, 0), QPoint(0, 50 * 136));
}

TEST(AlbumLayoutTest, ScrollStepsRoundUpInBothLayouts) {
    // 11 pairs are 3410 pixels; (3410 - 1000) / 75 = 32.13.
    EXPECT_EQ(AlbumScrollSteps(Strip, 20, QSize(1000, 161)), 33);
    // 51 pairs are 6936 pixels high; (6936 - 550) / 75 = 85.15.
    EXPECT_EQ(AlbumScrollSteps(Column, 100, QSize(327, 550)), 86);
    // The layout picks the direction: the strip ignores the height.
    EXPECT_EQ(AlbumScrollSteps(Strip, 20, QSize(1000, 5000)), 33);
    EXPECT_EQ(AlbumScrollSteps(Column, 20, QSize(5000, 1496 - 150)), 2);
    // Whole steps stay whole; a pixel more needs a step more.
    EXPECT_EQ(AlbumScrollSteps(Strip, 20, QSize(3410 - 150, 161)), 2);
    EXPECT_EQ(AlbumScrollSteps(Strip, 20, QSize(3410 - 151, 161)), 3);
    EXPECT_EQ(AlbumScrollSteps(Strip, 20, QSize(3410, 161)), 0);
    EXPECT_LE(AlbumScrollSteps(Strip, 4, QSize(1000, 161)), 0);
}

TEST(AlbumLayoutTest, ScrollBarsLieAlongTheBottomOrTheRightEdge) {
    EXPECT_EQ(SidePaneScrollBarRect(Strip, QSize(951, 161), 15), QRect(0, 143, 951, 15));
    EXPECT_EQ(SidePaneScrollBarRect(Column, QSize(327, 550), 15), QRect(309, 0, 15, 550));
}

TEST(AlbumLayoutTest, PayloadNamesAPageIndexAndNothingElse) {
    EXPECT_EQ(AlbumThumbPayload(7), "AlbumPageThumb_7");
    EXPECT_EQ(ParseAlbumThumbPayload("AlbumPageThumb_7"), 7);
    EXPECT_EQ(ParseAlbumThumbPayload("AlbumPageThumb_0"), 0);
    EXPECT_EQ(ParseAlbumThumbPayload(AlbumThumbPayload(99)), 99);
    for (const char* refused :
         {"AlbumPageThumb_", "AlbumPageThumb_-1", "AlbumPageThumb_3x", "AlbumPageThumb_ 3",
          "AlbumPageThumb_99999999999", "albumpagethumb_3", "0123456789abcdef0123456789abcdef",
          "T:1,2,3", "bg:sky", "4", ""}) {
        EXPECT_FALSE(ParseAlbumThumbPayload(QString::fromLatin1(refused))) << refused;
    }
    EXPECT_TRUE(IsAlbumThumbPayload("AlbumPageThumb_3x"));
    EXPECT_FALSE(IsAlbumThumbPayload("bg:AlbumPageThumb_3"));
}

TEST(AlbumLayoutTest, HighlightedPairHoldsTheLeftPageOfTheView) {
    EXPECT_TRUE(AlbumPairHighlighted(0, -1)); // page 0 is shown alone
    EXPECT_TRUE(AlbumPairHighlighted(6, 5));
    EXPECT_FALSE(AlbumPairHighlighted(4, 5));
}

TEST(AlbumLayoutTest, ThumbnailsSlideTowardsTheSideUnderTheDrag) {
    // Over the left thumbnail: both move left until the left one is at -20.
    AlbumThumbLefts lefts;
    int steps = 0;
    while (const auto next = AlbumSlideStep(lefts, 40, 3)) {
        EXPECT_EQ(next->right, next->left + 145);
        lefts = *next;
        ++steps;
    }
    EXPECT_EQ(lefts, (AlbumThumbLefts{-20, 125}));
    EXPECT_EQ(steps, 10); // 30 pixels, 3 a step
    // Elsewhere: both move right until the right one is at 310 - 145 + 20.
    lefts = {};
    while (const auto next = AlbumSlideStep(lefts, 200, 4))
        lefts = *next;
    EXPECT_EQ(lefts, (AlbumThumbLefts{40, 185}));
    // Beyond the end nothing moves back.
    EXPECT_FALSE(AlbumSlideStep(AlbumThumbLefts{-30, 115}, 0, 3));
}

TEST(AlbumLayoutTest, ScrollingToTheCurrentPairMovesAsLittleAsItCan) {
    const QSize strip(1000, 161), column(327, 550);
    // In view already: the value stays.
    EXPECT_EQ(AlbumScrollValueShowing(PaneView::Strip, 3, strip, 0, 33), 0);
    EXPECT_EQ(AlbumScrollValueShowing(PaneView::Strip, 4, strip, 2, 33), 2);
    // Pair 3 (930 to 1240) sticks out by 240 pixels: 4 steps.
    EXPECT_EQ(AlbumScrollValueShowing(PaneView::Strip, 5, strip, 0, 33), 4);
    // Pair 10 (pages 19 and 20) ends at 3410: (3410 - 1000) / 75 rounded up.
    EXPECT_EQ(AlbumScrollValueShowing(PaneView::Strip, 19, strip, 0, 33), 33);
    EXPECT_EQ(AlbumScrollValueShowing(PaneView::Strip, 20, strip, 0, 33), 33);
    // Back to pair 1 (starts at 310): its start, rounded down to a step.
    EXPECT_EQ(AlbumScrollValueShowing(PaneView::Strip, 1, strip, 33, 33), 4);
    EXPECT_EQ(AlbumScrollValueShowing(PaneView::Strip, 0, strip, 33, 33), 0);
    // Pair 50 of a 100-page book in the column: 50 * 136 + 136 - 550 = 6386.
    EXPECT_EQ(AlbumScrollValueShowing(PaneView::Column, 99, column, 0, 100), 86);
    // Never beyond the range.
    EXPECT_EQ(AlbumScrollValueShowing(PaneView::Column, 99, column, 0, 80), 80);
    // A pane shorter than a pair shows the pair's start.
    EXPECT_EQ(AlbumScrollValueShowing(PaneView::Strip, 2, QSize(100, 161), 0, 50), 4);
}
