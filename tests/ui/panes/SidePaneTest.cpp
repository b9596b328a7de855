#include "ui/panes/PaneTestSupport.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "ui/common/UiTestSupport.h"
#include "ui/panes/PhotoTile.h"
#include "ui/panes/PhotosPane.h"
#include "ui/panes/SidePane.h"

#include <QAbstractButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QAbstractButton* ToolButton(SidePane& top, const QString& key) {
    for (QAbstractButton* b : top.findChildren<QAbstractButton*>())
        if (b->property("paneKey").toString() == key)
            return b;
    return nullptr;
}

} // namespace

TEST(SidePaneTest, StartsOnThePhotosPaneWithEveryButtonAvailable) {
    UiTestObjects objects;
    SidePane top(objects.Context());
    top.resize(800, 161);
    EXPECT_EQ(top.PressedKey(), "photos");
    EXPECT_EQ(top.PreferredWidth(), 163);
    EXPECT_FALSE(top.Photos()->isHidden());
    ASSERT_TRUE(ToolButton(top, "album"));
    EXPECT_TRUE(ToolButton(top, "album")->isEnabled());
    EXPECT_TRUE(ToolButton(top, "backgrounds")->isEnabled());
    EXPECT_TRUE(ToolButton(top, "photos")->isChecked());
}

TEST(SidePaneTest, SwitchingPanesChangesTheWantedColumnWidth) {
    UiTestObjects objects;
    SidePane top(objects.Context());
    QSignalSpy changed(&top, &SidePane::paneChanged);
    top.ShowPane("album");
    EXPECT_EQ(top.PreferredWidth(), 327);
    EXPECT_TRUE(top.Photos()->isHidden());
    top.ShowPane("backgrounds");
    EXPECT_EQ(top.PreferredWidth(), 193);
    EXPECT_FALSE(top.findChild<QWidget*>("mDownloadBackgroundButton")->isHidden());
    top.ShowPane("photos");
    EXPECT_EQ(top.PreferredWidth(), 163);
    EXPECT_TRUE(top.findChild<QWidget*>("mDownloadBackgroundButton")->isHidden());
    EXPECT_EQ(changed.count(), 3);
    top.ShowPane("elsewhere");
    EXPECT_EQ(changed.count(), 3);
}

TEST(SidePaneTest, StripLayoutPlacesThePhotosPaneBesideTheToolbar) {
    UiTestObjects objects;
    SidePane top(objects.Context());
    top.resize(800, 161);
    top.Relayout();
    EXPECT_EQ(top.Photos()->geometry(), QRect(49, 0, 751, 161));
    EXPECT_EQ(top.findChild<QWidget*>("mToolbar")->geometry(), QRect(0, 0, 49, 109));
}

namespace {

class SidePaneBookTest : public ::testing::Test, public PaneFixture {
protected:
    // A point (mm) inside a photo box of the page.
    static QPointF PointInPhotoBox(const Page& p) {
        for (int y = 2; y < 208; y += 4)
            for (int x = 2; x < 289; x += 4)
                if (p.FindPhotoBoxIndex(float(x), float(y)) >= 0)
                    return QPointF(x, y);
        return QPointF(-1, -1);
    }
    std::shared_ptr<PhotoImage> PhotoOf(const QString& path) const {
        return manager->GetBook()->Photos().Find(KeyOf(path));
    }
};

} // namespace

TEST_F(SidePaneBookTest, APhotoPlacedOnAPageLeavesThePaneAndComesBackReset) {
    const QString a = MakeJpeg("a.jpg");
    const QString b = MakeJpeg("b.jpg");
    ASSERT_TRUE(Import({a, b}));
    const std::shared_ptr<Page> first = manager->GetBook()->GetPage(0);
    const QPointF at = PointInPhotoBox(*first);
    ASSERT_GE(at.x(), 0);

    manager->Session().DropOnPage(*first, KeyOf(a), float(at.x()), float(at.y()));
    Settle();
    EXPECT_EQ(TileKeys(), QStringList({KeyOf(b)}));
    EXPECT_EQ(top->Find(KeyOf(a)), nullptr);
    EXPECT_EQ(PhotoOf(a)->GetPage(), first);
    PhotoOf(a)->SetRatio(0.5f);

    // b takes a's box: a comes back to the pane, reset and on no page.
    manager->Session().DropOnPage(*first, KeyOf(b), float(at.x()), float(at.y()));
    Settle();
    EXPECT_EQ(TileKeys(), QStringList({KeyOf(a)}));
    EXPECT_EQ(TileNames(), QStringList({"photos2"}));
    EXPECT_FLOAT_EQ(PhotoOf(a)->ratio(), 1.0f);
    EXPECT_EQ(PhotoOf(a)->GetPage(), nullptr);
    EXPECT_EQ(PhotoOf(b)->GetPage(), first);

    // Handing over a photo the pane shows already adds no second tile.
    Pane().AddDisplayPhoto(PhotoOf(a));
    EXPECT_EQ(Pane().TileCount(), 1);
}

TEST_F(SidePaneBookTest, ABookChangeRebuildsTheTilesFromTheNewBook) {
    const QStringList files = {MakeJpeg("a.jpg"), MakeJpeg("b.jpg"), MakeJpeg("c.jpg")};
    ASSERT_TRUE(Import(files));
    const std::shared_ptr<Page> first = manager->GetBook()->GetPage(0);
    const QPointF at = PointInPhotoBox(*first);
    first->AddPhoto(PhotoOf(files[1]), float(at.x()), float(at.y()));
    manager->GetBook()->SaveBook();
    const QString name = manager->GetBook()->GetName();

    ASSERT_EQ(manager->NewBook("Second"), BookNameCheck::Accepted);
    Settle();
    EXPECT_EQ(Pane().TileCount(), 0);
    EXPECT_TRUE(Pane().ScrollBar()->isHidden());
    EXPECT_TRUE(Pane().findChildren<PhotoTile*>().isEmpty());

    ASSERT_TRUE(manager->LoadBook(name));
    Settle();
    // The photo on the page stays there; the others get new tiles.
    QStringList keys = TileKeys();
    keys.sort();
    QStringList expected = {KeyOf(files[0]), KeyOf(files[2])};
    expected.sort();
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(TileNames(), QStringList({"photos3", "photos4"}));
}
