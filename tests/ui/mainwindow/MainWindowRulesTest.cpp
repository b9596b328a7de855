#include "ui/mainwindow/MainWindowRules.h"
#include "ui/mainwindow/WindowPlacement.h"

#include <QString>
#include <gtest/gtest.h>

using namespace MainWindowRules;

TEST(MainWindowRules, PageViewItemNamesTheNextView) {
    using enum PagesView;
    EXPECT_EQ(QString::fromUtf16(PageViewCaptionKey(TwoPages)), "cMenuBookOnePageView");
    EXPECT_EQ(QString::fromUtf16(PageViewCaptionKey(OnePage)), "cMenuBookTwoPageView");
    EXPECT_EQ(NextPagesView(TwoPages), OnePage);
    EXPECT_EQ(NextPagesView(OnePage), TwoPages);
    EXPECT_EQ(NextPaneView(PaneView::Strip), PaneView::Column);
    EXPECT_EQ(NextPaneView(PaneView::Column), PaneView::Strip);
}

TEST(MainWindowRules, TitleAndMenuTexts) {
    EXPECT_EQ(WindowTitle("Lumbra", "Summer 2024"), "Lumbra - Summer 2024");
    EXPECT_EQ(MenuText("Tom & Jerry &&"), "Tom && Jerry &&&&");
    for (const auto& [caption, shown] : {std::pair{"&File", "File"},
                                         {"\u6587\u4ef6(&F)", "\u6587\u4ef6"},
                                         {"Save && &Quit", "Save & Quit"},
                                         {"Preview Book", "Preview Book"}})
        EXPECT_EQ(MenuCaption(QString::fromUtf8(caption)), QString::fromUtf8(shown)) << caption;
}

TEST(MainWindowRules, PlacementInTwipsAndPixels) {
    EXPECT_EQ(PlacementToPixels(WindowPlacement{}), QRect(67, 67, 433, 433));  // 66.67, 433.33
    EXPECT_EQ(PlacementToPixels({7.5f, 22.5f, 1500, 0}), QRect(0, 2, 100, 0)); // halves to even
    const WindowPlacement p = PixelsToPlacement(QRect(10, -20, 800, 600));
    EXPECT_FLOAT_EQ(p.left, 150);
    EXPECT_FLOAT_EQ(p.top, -300);
    EXPECT_FLOAT_EQ(p.width, 12000);
    EXPECT_FLOAT_EQ(p.height, 9000);
    // Far-off stored values stay within an int.
    const QRect far = PlacementToPixels({3e30f, -3e30f, 1e20f, 15});
    EXPECT_EQ(far.x(), 1000000);
    EXPECT_EQ(far.y(), -1000000);
}

TEST(MainWindowRules, FirstStartTakesMostOfTheScreenCentredAndNeverLessThanTheMinimum) {
    const QRect screen(0, 0, 1280, 800);
    const QRect r = FirstStartRect(screen, {640, 433});
    EXPECT_EQ(r.size(), QSize(1088, 680));
    EXPECT_EQ(r.center(), screen.center());
    // A second screen to the right, with a panel at its top.
    const QRect right = FirstStartRect(QRect(1920, 30, 1920, 1050), {640, 433});
    EXPECT_TRUE(QRect(1920, 30, 1920, 1050).contains(r.isValid() ? right : QRect()));
    // A screen smaller than the smallest window: the window's top left stays visible.
    const QRect tiny = FirstStartRect(QRect(0, 0, 600, 400), {640, 433});
    EXPECT_EQ(tiny, QRect(0, 0, 640, 433));
}
