#include "ui/bookview/BookViewLayout.h"

#include <gtest/gtest.h>

using namespace BookViewLayout;

namespace {

ViewMetrics View(int width, int height, PagesView mode) {
    ViewMetrics view;
    view.width = width;
    view.height = height;
    view.toolbarHeight = 30;
    view.labelHeight = 18;
    view.deleteButtonHeight = 22;
    view.mode = mode;
    return view; // top margin 80
}

} // namespace

TEST(BookViewLayoutTest, ZoomEntriesAreExactSixthsOfThePagePixels) {
    const ZoomTable table = MakeZoomTable(QStringLiteral("Fit"));
    EXPECT_EQ(table[0].caption, QStringLiteral("Fit"));
    EXPECT_EQ(table[0].scale, 0.0f);
    EXPECT_EQ(table[1].caption, QStringLiteral("16%"));
    EXPECT_EQ(table[7].caption, QStringLiteral("116%"));
    EXPECT_EQ(table[10].caption, QStringLiteral("167%"));
    EXPECT_EQ(table[12].caption, QStringLiteral("200%"));
    EXPECT_FLOAT_EQ(table[7].scale, 7.0f / 6.0f); // not 1.16
    EXPECT_FLOAT_EQ(table[3].scale, 0.5f);

    ZoomTable sized = table;
    SizeZoomTable(sized, QSize(500, 360), 600, 800);
    EXPECT_EQ(sized[0].width, 500);
    EXPECT_EQ(sized[0].height, 360);
    EXPECT_EQ(sized[6].width, 600);
    EXPECT_EQ(sized[6].height, 800);
    EXPECT_EQ(sized[7].width, 700);  // 600 x 7/6
    EXPECT_EQ(sized[7].height, 933); // 800 x 7/6 = 933.33
    EXPECT_EQ(sized[12].width, 1200);
    EXPECT_EQ(sized[1].height, 133); // 133.33
}

TEST(BookViewLayoutTest, ZoomedPixelsRoundHalvesToEven) {
    EXPECT_EQ(ZoomedPixels(3, 1), 0);  // 0.5
    EXPECT_EQ(ZoomedPixels(9, 1), 2);  // 1.5
    EXPECT_EQ(ZoomedPixels(15, 1), 2); // 2.5
    EXPECT_EQ(ZoomedPixels(1, 3), 0);  // 0.5
    EXPECT_EQ(ZoomedPixels(1092, 11), 2002);
    EXPECT_EQ(ZoomedPixels(1092, 0), 0);
    EXPECT_EQ(ZoomedPixels(1092, 13), 0); // no such entry
}

TEST(BookViewLayoutTest, FitPageFollowsTheNarrowerSide) {
    // 289 x 208 mm. Wide view, two pages: the height limits.
    QSize fit = FitPageSize(View(1210, 500, PagesView::TwoPages), 289, 208);
    EXPECT_EQ(fit.height(), 420);
    EXPECT_EQ(fit.width(), 584); // 420 x 289 / 208 = 583.56
    // Narrow view, two pages: the width limits, half of (width - 10).
    fit = FitPageSize(View(611, 800, PagesView::TwoPages), 289, 208);
    EXPECT_EQ(fit.width(), 300);  // 300.5, halves to even
    EXPECT_EQ(fit.height(), 216); // 300.5 x 208 / 289 = 216.28
    // One page uses the whole width.
    fit = FitPageSize(View(611, 800, PagesView::OnePage), 289, 208);
    EXPECT_EQ(fit.width(), 601);
    EXPECT_EQ(fit.height(), 433); // 432.55
    // No room at all.
    EXPECT_TRUE(FitPageSize(View(8, 800, PagesView::OnePage), 289, 208).isEmpty());
    EXPECT_TRUE(FitPageSize(View(800, 60, PagesView::OnePage), 289, 208).isEmpty());
}

TEST(BookViewLayoutTest, ScrollBarsOnlyWhenWiderThanTheFitPage) {
    const ViewMetrics view = View(1000, 600, PagesView::TwoPages);
    EXPECT_FALSE(ScrollBarsFor(view, QSize(480, 345), QSize(480, 345)).shown);
    EXPECT_FALSE(ScrollBarsFor(view, QSize(400, 700), QSize(480, 345)).shown); // widths only

    const ScrollBars bars = ScrollBarsFor(view, QSize(700, 933), QSize(480, 345));
    ASSERT_TRUE(bars.shown);
    EXPECT_EQ(bars.horizontal, QRect(0, 583, 983, 17));
    EXPECT_EQ(bars.vertical, QRect(983, 30, 17, 553));
    EXPECT_EQ(bars.corner, QRect(983, 583, 17, 17));
    EXPECT_EQ(bars.horizontalMaximum, 2 * 700 - 2 * 480 + 10 + 17);
    EXPECT_EQ(bars.verticalMaximum, (933 - 345) + 80 + 17 - 30);
    EXPECT_EQ(bars.horizontalPageStep, 500);
    EXPECT_EQ(bars.verticalPageStep, 300);

    ViewMetrics one = view;
    one.mode = PagesView::OnePage;
    EXPECT_EQ(ScrollBarsFor(one, QSize(700, 933), QSize(480, 345)).horizontalMaximum,
              700 - 480 + 10 + 17);
}

TEST(BookViewLayoutTest, TheWheelScrollsDownAndUpShiftSidewaysWithinTheBars) {
    const QPoint maximum(400, 300);
    const QPoint at(100, 100);
    // A notch down (negative) scrolls one notch's pixels down; up scrolls up.
    EXPECT_EQ(WheelScrolled(at, QPoint(0, -120), false, maximum, 150), QPoint(100, 250));
    EXPECT_EQ(WheelScrolled(at, QPoint(0, 120), false, maximum, 150), QPoint(100, 0));
    EXPECT_EQ(WheelScrolled(at, QPoint(0, -60), false, maximum, 150), QPoint(100, 175));
    // Shift turns the wheel sideways, whether the platform did so already or not.
    EXPECT_EQ(WheelScrolled(at, QPoint(0, -120), true, maximum, 150), QPoint(250, 100));
    EXPECT_EQ(WheelScrolled(at, QPoint(-120, 0), true, maximum, 150), QPoint(250, 100));
    // A sideways wheel, and both at once from a touchpad.
    EXPECT_EQ(WheelScrolled(at, QPoint(-120, 0), false, maximum, 150), QPoint(250, 100));
    EXPECT_EQ(WheelScrolled(at, QPoint(24, -24), false, maximum, 150), QPoint(70, 130));
    // Kept within the bars.
    EXPECT_EQ(WheelScrolled(at, QPoint(-1200, -1200), false, maximum, 150), maximum);
    EXPECT_EQ(WheelScrolled(at, QPoint(1200, 1200), false, maximum, 150), QPoint(0, 0));
    EXPECT_EQ(WheelScrolled(QPoint(0, 0), QPoint(0, -120), false, QPoint(0, 0), 150), QPoint(0, 0));
}

TEST(BookViewLayoutTest, TwoFacingPagesTouchAndCarryNumbersAtTheOuterCorners) {
    const ViewMetrics view = View(1010, 600, PagesView::TwoPages);
    const QSize fit(500, 360);
    const PagePlaces at = PlacePages(view, fit, fit, QPoint(0, 0), 48, 26);
    // H = H0: top = (600 - 360 - 18 - 22 - 30) div 2 + 30 + 22 = 137.
    EXPECT_EQ(at.leftPage, QPoint(5, 137));
    EXPECT_EQ(at.rightPage, QPoint(505, 137));
    EXPECT_EQ(at.leftLabel, QPoint(5, 137 + 360 + 2));
    EXPECT_EQ(at.rightLabel, QPoint(5 + 1000 - 48, 499));
    EXPECT_EQ(at.leftButton, QPoint(5, 137 - 22));
    EXPECT_EQ(at.rightButton, QPoint(5 + 1000 - 26, 115));

    // Zoomed in and scrolled: everything moves back by the bars' positions.
    const PagePlaces scrolled = PlacePages(view, QSize(700, 504), fit, QPoint(40, 25), 48, 26);
    EXPECT_EQ(scrolled.leftPage, QPoint(5 - 40, 137 - 25));
    EXPECT_EQ(scrolled.rightPage, QPoint(5 - 40 + 700, 112));
    EXPECT_EQ(scrolled.rightLabel, QPoint(5 - 40 + 1400 - 48, 112 + 504 + 2));
}

TEST(BookViewLayoutTest, OnePageIsCentredWithItsNumberBelowIt) {
    const ViewMetrics view = View(1010, 600, PagesView::OnePage);
    const QSize fit(700, 504);
    const QSize small(350, 252); // zoomed out: centred in the view
    const PagePlaces at = PlacePages(view, small, fit, QPoint(0, 0), 48, 26);
    EXPECT_EQ(at.onePage, QPoint((1010 - 350) / 2, 174)); // (600 - 252) / 2
    EXPECT_EQ(at.oneLabel, QPoint(330 + (350 - 48) / 2, 174 + 252 + 2));
    EXPECT_EQ(at.oneButton, QPoint(330, 174 - 22));

    const PagePlaces fitted = PlacePages(view, fit, fit, QPoint(0, 0), 48, 26);
    EXPECT_EQ(fitted.onePage, QPoint(155, (600 - 504 - 18 - 22 - 30) / 2 + 52));
}

TEST(BookViewLayoutTest, ASlightlySmallerPageKeepsItsDeleteButtonBelowTheToolbar) {
    const ViewMetrics view = View(1010, 600, PagesView::TwoPages);
    const QSize fit(700, 520);
    const PagePlaces at = PlacePages(view, QSize(690, 512), fit, QPoint(0, 0), 48, 26);
    // Centred would put the page at 44 and its button at 22, inside the toolbar.
    EXPECT_EQ(at.leftPage.y(), 30 + 22);
    EXPECT_EQ(at.leftButton.y(), 30);
}
