#include "ui/backgrounds/BackgroundTile.h"

#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookSession.h"
#include "model/ModelTestSupport.h"
#include "ui/backgrounds/BackgroundPaneTestSupport.h"
#include "ui/bookview/BookViewTestSupport.h"
#include "ui/bookview/PageView.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QFutureWatcher>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kWaitMs = 10000;

class BackgroundTileTest : public ::testing::Test, public BackgroundPaneFixture {
protected:
    BackgroundTile& Tile(const QString& name) {
        tile.SetPage(0, name);
        tile.SetStart(0);
        return tile;
    }
    // The small picture is decoded on the pool; waits for it.
    bool WaitForPicture() {
        if (!tile.PicturePending())
            return true;
        QSignalSpy loaded(&tile, &BackgroundTile::pictureLoaded);
        return loaded.wait(kWaitMs);
    }
    // Waits until every decode the tile started has come back.
    bool WaitForAllDecodes() {
        return QTest::qWaitFor(
            [this] { return tile.findChildren<QFutureWatcherBase*>().isEmpty(); }, kWaitMs);
    }
    QAction* Item(const char* name) const { return tile.findChild<QAction*>(QLatin1String(name)); }
    void RightClick() {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 20),
                          tile.mapToGlobal(QPointF(20, 20)), Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&tile, &press);
    }

    BackgroundTile tile{Context(), nullptr};
};

} // namespace

TEST_F(BackgroundTileTest, SmallPictureIsDecodedOnceAndStretchedOverTheTileInsideAFiveMargin) {
    AddPicture("leaf", Qt::red, 29, 26);
    Tile("leaf");
    EXPECT_EQ(tile.geometry(), QRect(10, 10, 156, 115));
    ASSERT_TRUE(WaitForPicture());
    ASSERT_FALSE(tile.Picture().isNull());
    ASSERT_TRUE(QFile::remove(backgrounds.filePath("leaf_sm.jpg")));

    const QImage shown = tile.grab().toImage();
    EXPECT_TRUE(TestJpegs::Near(shown.pixel(5, 5), Qt::red));
    EXPECT_TRUE(TestJpegs::Near(shown.pixel(149, 108), Qt::red));
    EXPECT_TRUE(TestJpegs::Near(shown.pixel(77, 57), Qt::red));
    EXPECT_FALSE(TestJpegs::Near(shown.pixel(4, 50), Qt::red));
    EXPECT_FALSE(TestJpegs::Near(shown.pixel(150, 50), Qt::red));
    EXPECT_FALSE(TestJpegs::Near(shown.pixel(77, 109), Qt::red));
}

TEST_F(BackgroundTileTest, SetPageHidesTheTileAndAMissingPictureLeavesItBlank) {
    Tile("nothing");
    EXPECT_FALSE(tile.isHidden());
    tile.SetPage(3, "nothing");
    EXPECT_TRUE(tile.isHidden());
    EXPECT_EQ(tile.Index(), 3);
    ASSERT_TRUE(WaitForPicture());
    EXPECT_TRUE(tile.Picture().isNull());
    tile.SetStart(100);
    EXPECT_EQ(tile.geometry(), QRect(10 + 3 * 166 - 100, 10, 156, 115));
    const QImage shown = tile.grab().toImage();
    EXPECT_EQ(shown.pixel(77, 57), shown.pixel(1, 1));
}

TEST_F(BackgroundTileTest, TheTooltipNamesTheBackground) {
    EXPECT_TRUE(Tile("meadow").toolTip().startsWith(QStringLiteral("meadow:")));
    EXPECT_TRUE(Tile("shore").toolTip().startsWith(QStringLiteral("shore:")));
    ASSERT_TRUE(WaitForAllDecodes());
}

TEST_F(BackgroundTileTest, TheTileIsBlankUntilItsPictureArrivesAndThenRepaints) {
    AddPicture("leaf", Qt::red);
    Tile("leaf");
    EXPECT_TRUE(tile.PicturePending()); // not decoded on this thread
    EXPECT_TRUE(tile.Picture().isNull());
    EXPECT_FALSE(TestJpegs::Near(tile.grab().toImage().pixel(77, 57), Qt::red));
    ASSERT_TRUE(WaitForPicture());
    EXPECT_TRUE(TestJpegs::Near(tile.grab().toImage().pixel(77, 57), Qt::red));
}

TEST_F(BackgroundTileTest, AReusedTileDropsThePictureOfItsFormerBackground) {
    AddPicture("leaf", Qt::red, 1200, 900); // the larger decode likely comes back last
    AddPicture("sand", Qt::blue);
    QSignalSpy loaded(&tile, &BackgroundTile::pictureLoaded);
    tile.SetPage(0, "leaf");
    tile.SetPage(0, "sand");
    ASSERT_TRUE(WaitForAllDecodes());
    EXPECT_EQ(loaded.count(), 1);
    ASSERT_FALSE(tile.Picture().isNull());
    EXPECT_TRUE(TestJpegs::Near(tile.Picture().pixel(10, 10), Qt::blue));
}

TEST_F(BackgroundTileTest, ATileDeletedBeforeItsPictureArrivesGetsNothing) {
    AddPicture("leaf", Qt::red, 1200, 900);
    auto doomed = std::make_unique<BackgroundTile>(Context(), nullptr);
    doomed->SetPage(0, "leaf");
    ASSERT_TRUE(doomed->PicturePending());
    doomed.reset();
    ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(kWaitMs));
    QCoreApplication::processEvents(); // a result for the deleted tile would be handled here
}

TEST_F(BackgroundTileTest, DragCarriesBackgroundAndTheNameAsPlainText) {
    const std::unique_ptr<QMimeData> data(Tile("leaf").MakeDragData());
    EXPECT_TRUE(data->hasText());
    EXPECT_EQ(data->text(), "bg:leaf");
    EXPECT_EQ(data->formats(), QStringList({"text/plain"}));
}

TEST_F(BackgroundTileTest, RightButtonOpensTheMenuWithCaptionsReadEachTime) {
    Tile("leaf");
    RightClick();
    QMenu* menu = tile.PopupMenu();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(Item("mnuDefault")->text(), "All pages");
    EXPECT_EQ(Item("mnuLeftBg")->text(), "Even pages");
    EXPECT_EQ(Item("mnuRightBg")->text(), "Odd pages");
    menu->close();

    strings.ApplyLanguageLine("cBgControlMenuOptionEven=Pages 2, 4, 6");
    RightClick();
    EXPECT_EQ(Item("mnuLeftBg")->text(), "Pages 2, 4, 6");
    tile.PopupMenu()->close();
}

TEST_F(BackgroundTileTest, MenuCommandsPutTheBackgroundOnTheirPagesAndSaveOnce) {
    const auto book = manager.GetBook();
    QSignalSpy saved(book.get(), &Book::saved);
    Tile("leaf");
    Item("mnuLeftBg")->trigger();
    EXPECT_EQ(PageBackgrounds(), QStringList({"", "leaf", "", "leaf", ""}));
    EXPECT_EQ(saved.count(), 1);

    Tile("sand");
    Item("mnuRightBg")->trigger();
    EXPECT_EQ(PageBackgrounds(), QStringList({"sand", "leaf", "sand", "leaf", "sand"}));
    EXPECT_EQ(saved.count(), 2);

    Tile("sky");
    Item("mnuDefault")->trigger();
    EXPECT_EQ(PageBackgrounds(), QStringList(5, "sky"));
    EXPECT_EQ(saved.count(), 3);
    book->WaitForSaves(); // written off the UI thread
    QFile stored(book->GetBookFolder() + QStringLiteral("book.pbx"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll().count("sky"), 5);
}

// The drop a tile's drag makes, copy being the only effect it allows.
TEST(BackgroundTileDropTest, TheDragLandsOnThePageSurface) {
    BookViewFixture fixture;
    PageView surface{fixture.Context()};
    surface.SetPageType(PageView::PageType::SinglePage);
    surface.resize(578, 416);
    surface.show();
    BackgroundTile tile(BackgroundsPaneContext{nullptr, nullptr, fixture.library}, nullptr);
    tile.SetPage(0, "leaf");
    const std::unique_ptr<QMimeData> data(tile.MakeDragData());

    QDragEnterEvent enter(QPoint(200, 100), Qt::CopyAction, data.get(), Qt::LeftButton,
                          Qt::NoModifier);
    static_cast<QObject&>(surface).event(&enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(200, 100), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject&>(surface).event(&drop);
    EXPECT_EQ(fixture.CurrentBook()->GetPage(0)->Background(), "leaf");
    EXPECT_TRUE(fixture.StateFile().contains("leaf"));
}

TEST_F(BackgroundTileTest, EachMenuCommandIsOneUndoStepOverAllItsPages) {
    BookSession& history = manager.Session();
    const auto book = manager.GetBook();
    book->SaveBook();
    book->WaitForSaves();
    const FolderFiles before = ReadFolderFiles(book->GetBookFolder());
    for (const char* item : {"mnuLeftBg", "mnuRightBg", "mnuDefault"}) {
        SCOPED_TRACE(item);
        Tile("leaf");
        Item(item)->trigger();
        EXPECT_EQ(history.Stack().count(), 1);
        EXPECT_EQ(history.Stack().undoText(), "Set Background");
        history.Stack().undo();
        EXPECT_EQ(PageBackgrounds(), QStringList(5, ""));
        book->WaitForSaves();
        EXPECT_EQ(FolderDifferences(ReadFolderFiles(book->GetBookFolder()), before), "");
    }
}

TEST_F(BackgroundTileTest, NoBackgroundClearsEveryPageAsOneUndoStep) {
    BookSession& history = manager.Session();
    const auto book = manager.GetBook();
    Tile("leaf");
    Item("mnuLeftBg")->trigger();
    Tile("sand");
    Item("mnuRightBg")->trigger();
    const QStringList both = PageBackgrounds();
    ASSERT_EQ(both, QStringList({"sand", "leaf", "sand", "leaf", "sand"}));

    RightClick();
    EXPECT_TRUE(tile.PopupMenu()->actions().contains(Item("mnuNoBg")));
    tile.PopupMenu()->close();
    Item("mnuNoBg")->trigger(); // from any tile, whatever its background
    EXPECT_EQ(PageBackgrounds(), QStringList(5, ""));
    book->WaitForSaves(); // written off the UI thread
    QFile stored(book->GetBookFolder() + QStringLiteral("book.pbx"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray text = stored.readAll();
    EXPECT_FALSE(text.contains("leaf") || text.contains("sand"));
    EXPECT_EQ(history.Stack().undoText(), "Remove Background");
    history.Stack().undo();
    EXPECT_EQ(PageBackgrounds(), both);
}
