#include "ui/panes/SidePaneLayout.h"

#include <gtest/gtest.h>

using enum PaneView;

TEST(SidePaneLayoutTest, ColumnWidthFollowsThePressedButton) {
    EXPECT_EQ(SidePaneColumnWidth(SidePaneButton::Album), 327);
    EXPECT_EQ(SidePaneColumnWidth(SidePaneButton::Backgrounds), 193);
    EXPECT_EQ(SidePaneColumnWidth(SidePaneButton::Photos), 163);
}

TEST(SidePaneLayoutTest, StripAcrossTheTop) {
    const auto r = SidePaneLayout(Strip, 1000, 161, 100);
    EXPECT_EQ(r.toolbar, QRect(0, 0, 49, 109));
    EXPECT_EQ(r.photos, QRect(49, 0, 951, 161));
    EXPECT_EQ(r.album, QRect(49, 0, 951, 161));
    // The backgrounds width uses the button's width from before this layout.
    EXPECT_EQ(r.backgrounds, QRect(49, 0, 851, 161));
    EXPECT_EQ(r.downloadButton, QRect(902, 0, 130, 161));
    const auto again = SidePaneLayout(Strip, 1000, 161, r.downloadButton.width());
    EXPECT_EQ(again.backgrounds.width(), 821);
    EXPECT_EQ(again.downloadButton.left(), 872);
}

TEST(SidePaneLayoutTest, NarrowStripGivesBackgroundsNoWidth) {
    const auto r = SidePaneLayout(Strip, 178, 161, 130);
    EXPECT_EQ(r.backgrounds.width(), 0);
    EXPECT_EQ(r.downloadButton.left(), 51);
    EXPECT_EQ(SidePaneLayout(Strip, 179, 161, 130).backgrounds.width(), 0);
    EXPECT_EQ(SidePaneLayout(Strip, 180, 161, 130).backgrounds.width(), 1);
}

TEST(SidePaneLayoutTest, ColumnAtTheRight) {
    const auto r = SidePaneLayout(Column, 327, 600, 130);
    EXPECT_EQ(r.toolbar, QRect(177, 0, 150, 50));
    EXPECT_EQ(r.photos, QRect(0, 50, 327, 550));
    EXPECT_EQ(r.album, QRect(0, 50, 327, 550));
    EXPECT_EQ(r.downloadButton, QRect(0, 439, 327, 161));
    EXPECT_EQ(r.backgrounds, QRect(0, 50, 327, 389));
}

TEST(SidePaneLayoutTest, ShortColumnKeepsBackgroundsOnePixelHigh) {
    EXPECT_EQ(SidePaneLayout(Column, 163, 211, 130).backgrounds.height(), 1);
    EXPECT_EQ(SidePaneLayout(Column, 163, 212, 130).backgrounds.height(), 1);
    EXPECT_EQ(SidePaneLayout(Column, 163, 213, 130).backgrounds.height(), 2);
    EXPECT_EQ(SidePaneLayout(Column, 163, 30, 130).photos.height(), 0);
}

TEST(SidePaneLayoutTest, ScrollStepsRoundUpInSeventyFivePixelSteps) {
    EXPECT_EQ(SidePaneScrollSteps(11 * 310, 1000), 33);     // 2410 / 75 = 32.13
    EXPECT_EQ(SidePaneScrollSteps(10 + 166 * 10, 600), 15); // 1070 / 75 = 14.27
    EXPECT_EQ(SidePaneScrollSteps(1075, 1000), 1);
    EXPECT_EQ(SidePaneScrollSteps(1150, 1000), 2); // exactly two steps
    EXPECT_EQ(SidePaneScrollSteps(1000, 1000), 0); // fits: no bar
    EXPECT_LE(SidePaneScrollSteps(500, 1000), 0);
}
