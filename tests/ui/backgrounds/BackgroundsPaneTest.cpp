#include "ui/backgrounds/BackgroundsPane.h"

#include "ui/backgrounds/BackgroundPaneTestSupport.h"
#include "ui/backgrounds/BackgroundTile.h"

#include <QFile>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

class BackgroundsPaneTest : public ::testing::Test, public BackgroundPaneFixture {
protected:
    QStringList TileNames() const {
        QStringList names;
        for (const BackgroundTile* tile : pane.Tiles())
            names << tile->objectName() + QLatin1Char('=') + tile->mFileName();
        return names;
    }
    static QStringList Numbered(const QString& stem, int count) {
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << stem + QString::number(i);
        return names;
    }
    BackgroundsPane pane{Context()};
};

} // namespace

TEST_F(BackgroundsPaneTest, TilesAppearOnTheFirstPaintOnePerBackgroundInListOrder) {
    AddBackgrounds({"fern", "autumn", "marble"});
    ASSERT_EQ(library.Names(), QStringList({"autumn", "fern", "marble"}));
    pane.resize(600, 161);
    EXPECT_TRUE(pane.Tiles().empty());

    Paint(pane);
    EXPECT_EQ(TileNames(), QStringList({"bgp0=autumn", "bgp1=fern", "bgp2=marble"}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pane.Tiles()[size_t(i)]->Index(), i);
        EXPECT_EQ(pane.Tiles()[size_t(i)]->geometry(), QRect(10 + 166 * i, 10, 156, 115));
        EXPECT_FALSE(pane.Tiles()[size_t(i)]->isHidden());
    }
    Paint(pane);
    EXPECT_EQ(pane.Tiles().size(), 3u);
}

TEST_F(BackgroundsPaneTest, FindTileMatchesTheWholeNameExactly) {
    AddBackgrounds({"leaf", "leafy"});
    Paint(pane);
    ASSERT_EQ(pane.Tiles().size(), 2u);
    EXPECT_EQ(pane.FindTile("leaf"), pane.Tiles()[0]);
    EXPECT_EQ(pane.FindTile("leafy"), pane.Tiles()[1]);
    EXPECT_EQ(pane.FindTile("Leaf"), nullptr);
    EXPECT_EQ(pane.FindTile("lea"), nullptr);
    EXPECT_EQ(pane.FindTile("leaf_sm"), nullptr);
    EXPECT_EQ(pane.FindTile(""), nullptr);
}

// A side file of a small picture lists its background a second time.
TEST_F(BackgroundsPaneTest, ANameListedTwiceGetsOneTileAndNoTilesPileUpOnRepaints) {
    AddPicture("bark");
    AddPicture("sand");
    QFile side(backgrounds.filePath("bark_sm.jpg.dim"));
    ASSERT_TRUE(side.open(QIODevice::WriteOnly));
    side.close();
    library.LoadBackgroundList();
    ASSERT_EQ(library.Names(), QStringList({"bark", "bark", "sand"}));
    pane.resize(600, 161);
    Paint(pane);
    Paint(pane);
    EXPECT_EQ(TileNames(), QStringList({"bgp0=bark", "bgp1=sand"}));
    EXPECT_EQ(pane.Tiles()[1]->geometry().left(), 176); // no gap where the copy stands
}

TEST_F(BackgroundsPaneTest, AddTileCountsOnAndTheNextPaintMakesNoCopy) {
    AddBackgrounds({"sky"});
    Paint(pane);
    library.AddBackground("downloaded");
    BackgroundTile* added = pane.AddTile("downloaded");
    EXPECT_EQ(added->objectName(), "bgp1");
    EXPECT_EQ(added->Index(), 1);
    EXPECT_EQ(added->mFileName(), "downloaded");
    EXPECT_TRUE(added->isHidden()); // until the pane places it
    Paint(pane);
    EXPECT_EQ(TileNames(), QStringList({"bgp0=sky", "bgp1=downloaded"}));
    EXPECT_FALSE(added->isHidden());
}

TEST_F(BackgroundsPaneTest, RowOfTenInA600PixelPaneScrollsFifteenStepsOf75Pixels) {
    AddBackgrounds(Numbered("bg", 10));
    pane.resize(600, 161);
    Paint(pane);
    QScrollBar* bar = pane.ScrollBar();
    EXPECT_EQ(bar->objectName(), "mHScrollBar");
    EXPECT_EQ(bar->maximum(), 15);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(pane.findChild<QScrollBar*>("mVScrollBar")->isHidden());
    EXPECT_EQ(bar->geometry().bottom(), 161 - 1 - 3);
    EXPECT_EQ(bar->width(), 600);

    bar->setValue(1);
    Paint(pane);
    EXPECT_EQ(pane.Tiles()[0]->geometry(), QRect(-65, 10, 156, 115));
    EXPECT_EQ(pane.Tiles()[1]->geometry(), QRect(101, 10, 156, 115));
    bar->setValue(15);
    Paint(pane);
    // The last tile ends inside the pane at the last step.
    EXPECT_LE(pane.Tiles()[9]->geometry().right(), 600);
}

TEST_F(BackgroundsPaneTest, ColumnScrollsUpAndDownAlongTheRightEdge) {
    SetPaneView(PaneView::Column);
    AddBackgrounds(Numbered("bg", 10));
    pane.resize(191, 600);
    pane.Relayout();
    Paint(pane);
    QScrollBar* bar = pane.ScrollBar();
    EXPECT_EQ(bar->objectName(), "mVScrollBar");
    EXPECT_EQ(bar->maximum(), 9);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(pane.findChild<QScrollBar*>("mHScrollBar")->isHidden());
    EXPECT_EQ(bar->geometry().right(), 191 - 1 - 3);
    EXPECT_EQ(bar->height(), 600);
    EXPECT_EQ(pane.Tiles()[4]->geometry(), QRect(10, 510, 156, 115));
    bar->setValue(2);
    Paint(pane);
    EXPECT_EQ(pane.Tiles()[0]->geometry(), QRect(10, -140, 156, 115));
}

TEST_F(BackgroundsPaneTest, TilesThatFitShowNoScrollBar) {
    AddBackgrounds(Numbered("bg", 3));
    pane.resize(600, 161); // 10 + 3 * 166 = 508 pixels
    Paint(pane);
    EXPECT_TRUE(pane.ScrollBar()->isHidden());
    EXPECT_EQ(pane.ScrollBar()->maximum(), 0);
    // A narrower pane needs the bar; widening it again hides it.
    pane.resize(400, 161);
    Paint(pane);
    EXPECT_FALSE(pane.ScrollBar()->isHidden());
    EXPECT_EQ(pane.ScrollBar()->maximum(), 2);
    pane.ScrollBar()->setValue(2);
    pane.resize(600, 161);
    Paint(pane);
    EXPECT_TRUE(pane.ScrollBar()->isHidden());
    EXPECT_EQ(pane.Tiles()[0]->geometry().left(), 10);
}
