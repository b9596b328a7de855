#include "ui/panes/AlbumTestSupport.h"

#include "imaging/PaintSurface.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "ui/panes/AlbumPageTile.h"
#include "ui/panes/AlbumPairTile.h"
#include "ui/panes/AlbumView.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class AlbumViewTest : public ::testing::Test, public AlbumFixture {
protected:
    QStringList LabelsOf(int c) const {
        const AlbumPairTile* pair = album->Pair(c);
        QStringList shown;
        for (const QLabel* label : {pair->LeftLabel(), pair->RightLabel()})
            shown << (label->isHidden() ? QStringLiteral("-") : label->text());
        return shown;
    }
    QList<int> HighlightedSlots() const {
        QList<int> raised;
        for (int c : Slots())
            if (album->Pair(c)->IsHighlighted())
                raised << c;
        return raised;
    }
};

} // namespace

TEST_F(AlbumViewTest, PairsFollowThePageCount) {
    EXPECT_EQ(Slots().size(), 11);
    EXPECT_EQ(album->Pair(10)->objectName(), "albumView_10");
    EXPECT_EQ(album->Pair(10)->R(), 20);
    SetPageCount(100);
    EXPECT_EQ(Slots().size(), 51);
    ASSERT_TRUE(WaitForPass());
    EXPECT_EQ(LabelsOf(50), QStringList({"100", "-"}));

    SetPageCount(5);
    EXPECT_EQ(Slots(), QList<int>({0, 1, 2}));
    ASSERT_TRUE(WaitForPass());
    EXPECT_EQ(LabelsOf(0), QStringList({"-", "1"}));
    EXPECT_EQ(LabelsOf(1), QStringList({"2", "3"}));
    EXPECT_EQ(LabelsOf(2), QStringList({"4", "5"}));
    EXPECT_EQ(Thumb(4)->Page(), book().GetPage(4));

    SetPageCount(4);
    EXPECT_EQ(Slots(), QList<int>({0, 1, 2}));
    ASSERT_TRUE(WaitForPass());
    EXPECT_EQ(LabelsOf(2), QStringList({"4", "-"}));
    EXPECT_EQ(Thumb(3)->Page(), book().GetPage(3));
    EXPECT_FALSE(Thumb(4)->Page());
    EXPECT_FALSE(Thumb(-1)->Page());
}

TEST_F(AlbumViewTest, PassRendersEveryPageIntoItsThumbnail) {
    QSignalSpy pairs(album.get(), &AlbumView::pairRendered);
    ASSERT_TRUE(WaitForPass());
    ASSERT_EQ(pairs.size(), 11);
    for (int c = 0; c < 11; ++c)
        EXPECT_EQ(pairs.at(c).at(0).toInt(), c); // in book order
    for (int i = 0; i < book().PagesCount(); ++i) {
        const auto& rendering = Thumb(i)->Rendering();
        ASSERT_TRUE(rendering && rendering->image()) << i;
        EXPECT_EQ(rendering->image()->size(), QSize(290, 208));
        EXPECT_EQ(book().GetPage(i)->Thumbnail(), rendering) << i;
    }
    EXPECT_FALSE(Thumb(20)->Rendering());
    // A page that changes is drawn again.
    PlaceQuadrantsPhoto(3);
    ASSERT_TRUE(Thumb(3)->IsRendering());
    QSignalSpy done(Thumb(3), &AlbumPageTile::renderDone);
    ASSERT_TRUE(done.wait(30000));
    EXPECT_TRUE(TestJpegs::Near(Thumb(3)->Rendering()->image()->pixel(30, 30), Qt::red));
    EXPECT_EQ(book().GetPage(3)->Thumbnail(), Thumb(3)->Rendering());
}

TEST_F(AlbumViewTest, ANewBookReplacesEveryPairEvenDuringThePass) {
    ASSERT_TRUE(album->IsPassRunning());
    const AlbumPairTile* old = album->Pair(3);
    ASSERT_EQ(manager->NewBook(QStringLiteral("Second")), BookNameCheck::Accepted);
    EXPECT_NE(album->Pair(3), old);
    EXPECT_EQ(Slots().size(), 11);
    ASSERT_TRUE(WaitForPass());
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(Thumb(i)->Page(), book().GetPage(i)) << i;
    EXPECT_EQ(album->ScrollBar()->value(), 0);
}

TEST_F(AlbumViewTest, DeletingAPageMovesTheLaterPagesForward) {
    ASSERT_TRUE(WaitForPass());
    const auto seventh = book().GetPage(6);
    book().RemovePage(5);
    EXPECT_EQ(Thumb(5)->Page(), seventh);
    EXPECT_EQ(Thumb(5)->Rendering(), seventh->Thumbnail()); // shown at once
    EXPECT_EQ(Slots().size(), 10);                          // pages 17 and 18 are the last pair
    ASSERT_TRUE(WaitForPass());
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(Thumb(i)->Page(), book().GetPage(i)) << i;
}

TEST_F(AlbumViewTest, StripScrollsInStepsOf75Pixels) {
    QScrollBar* bar = album->findChild<QScrollBar*>("mHScrollBar");
    ASSERT_EQ(album->ScrollBar(), bar);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(album->findChild<QScrollBar*>("mVScrollBar")->isHidden());
    EXPECT_EQ(bar->maximum(), 33);
    EXPECT_EQ(bar->width(), 1000);
    EXPECT_EQ(bar->y(), 161 - bar->height() - 3);
    bar->setValue(2);
    EXPECT_EQ(album->Pair(0)->pos(), QPoint(-150, 5));
    EXPECT_EQ(album->Pair(4)->pos(), QPoint(4 * 310 - 150, 5));
    bar->setValue(33);
    SetPageCount(10); // 6 pairs: (1860 - 1000) / 75 rounds up to 12
    EXPECT_EQ(bar->maximum(), 12);
    EXPECT_EQ(bar->value(), 12);
    EXPECT_EQ(album->Pair(5)->pos(), QPoint(5 * 310 - 900, 5));
    SetPageCount(4);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(album->Pair(2)->pos(), QPoint(620, 5));
}

TEST_F(AlbumViewTest, ColumnScrollsInStepsOf75Pixels) {
    SetView(PaneView::Column, QSize(327, 550));
    QScrollBar* bar = album->findChild<QScrollBar*>("mVScrollBar");
    ASSERT_EQ(album->ScrollBar(), bar);
    EXPECT_TRUE(album->findChild<QScrollBar*>("mHScrollBar")->isHidden());
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->maximum(), 13); // (1496 - 550) / 75 = 12.6
    EXPECT_EQ(bar->geometry(), QRect(327 - bar->width() - 3, 0, bar->width(), 550));
    bar->setValue(3);
    EXPECT_EQ(album->Pair(0)->pos(), QPoint(0, -225));
    EXPECT_EQ(album->Pair(6)->pos(), QPoint(0, 6 * 136 - 225));
    ASSERT_TRUE(WaitForPass()); // rendering a pair keeps it in place
    EXPECT_EQ(album->Pair(6)->pos(), QPoint(0, 6 * 136 - 225));
    EXPECT_FALSE(album->Pair(6)->isHidden());
}

TEST_F(AlbumViewTest, HighlightFollowsTheShownPair) {
    EXPECT_EQ(HighlightedSlots(), QList<int>({0}));
    manager->Session().ShowPage(5);
    EXPECT_EQ(HighlightedSlots(), QList<int>({3}));
    manager->Session().ShowPage(6);
    EXPECT_EQ(HighlightedSlots(), QList<int>({3}));
    manager->Session().ShowPage(19);
    EXPECT_EQ(HighlightedSlots(), QList<int>({10}));
    manager->Session().ShowPage(1);
    EXPECT_EQ(HighlightedSlots(), QList<int>({1}));
    EXPECT_EQ(album->Pair(1)->frameShadow(), QFrame::Raised);
    EXPECT_EQ(album->Pair(3)->frameShape(), QFrame::NoFrame);
}

TEST_F(AlbumViewTest, TheCurrentPagesPairStaysInView) {
    SetPageCount(100);
    QScrollBar* bar = album->ScrollBar();
    const auto inView = [&](int c) {
        const QRect pair = album->Pair(c)->geometry();
        return pair.left() >= 0 && pair.right() < album->width();
    };
    manager->Session().ShowPage(99);
    EXPECT_GT(bar->value(), 0);
    EXPECT_TRUE(inView(50));
    manager->Session().ShowPage(98); // the same pair: no scrolling
    const int value = bar->value();
    manager->Session().ShowPage(97);
    EXPECT_EQ(bar->value(), value);
    EXPECT_TRUE(inView(49));
    manager->Session().ShowPage(3);
    EXPECT_TRUE(inView(2));
    EXPECT_FALSE(inView(50));

    // Another view keeps it in view as well.
    manager->Session().ShowPage(60);
    SetView(PaneView::Column, QSize(327, 550));
    const QRect pair = album->Pair(30)->geometry();
    EXPECT_GE(pair.top(), 0);
    EXPECT_LE(pair.bottom(), 550);
}
