#include "ui/panes/AlbumTestSupport.h"

#include "imaging/PaintSurface.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "ui/panes/AlbumPageTile.h"
#include "ui/panes/AlbumPairTile.h"
#include "ui/panes/AlbumView.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AlbumPageTileTest : public ::testing::Test, public AlbumFixture {
protected:
    // Offers the text to the widget as a drag, then drops it; true when both
    // the drag and the drop were taken.
    static bool DropText(QWidget* target, const QString& text,
                         Qt::DropActions offered = Qt::MoveAction) {
        QMimeData data;
        data.setText(text);
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return enter.isAccepted() && drop.isAccepted();
    }
    QByteArray StateFile() const {
        book().WaitForSaves(); // written off the UI thread
        QFile file(book().GetBookFolder() + QStringLiteral("book.pbx"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The page texts of the book as stored on disk.
    QStringList StoredTexts() const {
        book().WaitForSaves(); // written off the UI thread
        ModelContext context;
        context.templates = &TestCatalogue();
        Book stored(books.path(), context);
        stored.SetName(book().GetName());
        stored.LoadBook();
        QStringList texts;
        for (int i = 0; i < stored.PagesCount(); ++i)
            texts << stored.GetPage(i)->text(0);
        return texts;
    }
    void NamePages() const {
        for (int i = 0; i < book().PagesCount(); ++i)
            book().GetPage(i)->SetText(0, QStringLiteral("page %1").arg(i));
        book().SaveBook();
    }
};

} // namespace

TEST_F(AlbumPageTileTest, DroppingOneThumbnailOnAnotherSwapsAndSavesThePages) {
    NamePages();
    ASSERT_TRUE(WaitForPass());
    const auto third = book().GetPage(3);
    const auto sixth = book().GetPage(6);
    ASSERT_TRUE(DropText(Thumb(6), QStringLiteral("AlbumPageThumb_3")));
    EXPECT_EQ(book().GetPage(3), sixth);
    EXPECT_EQ(book().GetPage(6), third);
    const QStringList stored = StoredTexts();
    ASSERT_EQ(stored.size(), 20);
    EXPECT_EQ(stored[3], "page 6");
    EXPECT_EQ(stored[6], "page 3");
    EXPECT_EQ(stored[5], "page 5");
    // Both thumbnails show their new pages at once, from the pages' last renderings.
    EXPECT_EQ(Thumb(3)->Page(), sixth);
    EXPECT_EQ(Thumb(3)->Rendering(), sixth->Thumbnail());
    EXPECT_EQ(Thumb(6)->Page(), third);
    ASSERT_TRUE(WaitForPass());
}

TEST_F(AlbumPageTileTest, ThumbnailsRefuseEverythingButAnotherThumbnail) {
    NamePages();
    const QByteArray before = StateFile();
    const auto pages = QList<std::shared_ptr<Page>>{book().GetPage(3), book().GetPage(6)};
    for (const QString& payload :
         {QStringLiteral("0123456789abcdef0123456789abcdef"), QStringLiteral("T:1,2,3"),
          QStringLiteral("bg:sky"), QStringLiteral("AlbumPageThumb_"),
          QStringLiteral("AlbumPageThumb_3;rm"), QStringLiteral("AlbumPageThumb_20"),
          QStringLiteral("AlbumPageThumb_-3")}) {
        EXPECT_FALSE(DropText(Thumb(6), payload, Qt::CopyAction | Qt::MoveAction))
            << payload.toStdString();
    }
    // A thumbnail beyond the last page takes nothing.
    EXPECT_FALSE(DropText(Thumb(20), QStringLiteral("AlbumPageThumb_3")));
    EXPECT_FALSE(DropText(Thumb(-1), QStringLiteral("AlbumPageThumb_3")));
    // Files from the desktop neither.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(pictures.filePath("a.jpg"))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(Thumb(6), &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(book().GetPage(3), pages[0]);
    EXPECT_EQ(book().GetPage(6), pages[1]);
    EXPECT_EQ(StateFile(), before);
}

TEST_F(AlbumPageTileTest, ClickMakesThePageCurrent) {
    ASSERT_TRUE(album->IsPassRunning()); // clicks work before the pictures are there
    QTest::mouseClick(Thumb(3), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(manager->Session().PageIndex(), 3);
    EXPECT_TRUE(album->Pair(2)->IsHighlighted());
    QTest::mouseClick(Thumb(0), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(manager->Session().PageIndex(), 0);
    QTest::mouseClick(Thumb(4), Qt::RightButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(manager->Session().PageIndex(), 0);
}

TEST_F(AlbumPageTileTest, EachThumbnailsTooltipNamesItsPageAsTheLabelDoes) {
    for (const int index : {0, 3, 4})
        EXPECT_TRUE(Thumb(index)->toolTip().startsWith(QStringLiteral("Page %1:").arg(index + 1)))
            << Thumb(index)->toolTip().toStdString();
}

TEST_F(AlbumPageTileTest, TextDraggedOverAPairSlidesItsThumbnails) {
    ASSERT_TRUE(WaitForPass()); // rendering a pair puts its thumbnails back
    AlbumPairTile* pair = album->Pair(2);
    QMimeData data;
    data.setText(QStringLiteral("anything"));
    QDragEnterEvent enter(QPoint(4, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pair, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return pair->ThumbLefts() == AlbumThumbLefts{-20, 125};
        },
        5000));

    QDragMoveEvent right(QPoint(305, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pair, &right);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return pair->ThumbLefts() == AlbumThumbLefts{40, 185};
        },
        5000));
    // Placing the pair puts the thumbnails back.
    album->Repaint();
    EXPECT_EQ(pair->ThumbLefts(), AlbumThumbLefts{});

    // Only a copy is allowed; a drag that offers none (a thumbnail's move)
    // is refused, so no leave follows: the thumbnails stay in place.
    QDragEnterEvent move(QPoint(305, 60), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pair, &move);
    EXPECT_FALSE(move.isAccepted());
    QTest::qWait(20);
    EXPECT_EQ(pair->ThumbLefts(), AlbumThumbLefts{});
}

TEST_F(AlbumPageTileTest, ThumbnailsGoBackWhenTheDragLeavesOrDrops) {
    ASSERT_TRUE(WaitForPass());
    AlbumPairTile* pair = album->Pair(1);
    QMimeData data;
    data.setText(AlbumThumbPayload(2));
    const auto slideLeft = [&] {
        QDragEnterEvent enter(QPoint(4, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pair, &enter);
        return QTest::qWaitFor([&] { return pair->ThumbLefts().left == -20; }, 5000);
    };
    ASSERT_TRUE(slideLeft());
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(pair, &leave);
    EXPECT_EQ(pair->ThumbLefts(), AlbumThumbLefts{});
    QTest::qWait(20); // no slide goes on after the drag left
    EXPECT_EQ(pair->ThumbLefts(), AlbumThumbLefts{});

    ASSERT_TRUE(slideLeft());
    QDropEvent drop(QPointF(4, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pair, &drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_EQ(pair->ThumbLefts(), AlbumThumbLefts{});
}

TEST_F(AlbumPageTileTest, ASwapIsOneUndoStepAndTheThumbnailsFollowItsUndo) {
    NamePages();
    ASSERT_TRUE(WaitForPass());
    BookSession& history = manager->Session();
    const QByteArray before = StateFile();
    ASSERT_TRUE(DropText(Thumb(6), QStringLiteral("AlbumPageThumb_3")));
    const QByteArray swapped = StateFile();
    ASSERT_NE(swapped, before);
    EXPECT_EQ(history.Stack().undoText(), "Swap Pages");
    history.Stack().undo();
    EXPECT_EQ(StateFile(), before);
    EXPECT_EQ(Thumb(3)->Page(), book().GetPage(3));
    EXPECT_EQ(Thumb(6)->Page(), book().GetPage(6));
    history.Stack().redo();
    EXPECT_EQ(StateFile(), swapped);
    ASSERT_TRUE(WaitForPass());
}

// A thumbnail dragged into the gap before pair 2 (pages 3 and 4) moves its
// page there: one step to undo, the other pages closing up.
TEST_F(AlbumPageTileTest, AThumbnailDroppedBetweenTwoPairsMovesItsPage) {
    NamePages();
    ASSERT_TRUE(WaitForPass());
    BookSession& history = manager->Session();
    const QByteArray before = StateFile();
    QMimeData data;
    data.setText(AlbumThumbPayload(7));
    AlbumPairTile* pair = album->Pair(2);
    for (const QPoint at : {QPoint(100, 60), QPoint(4, 60)}) { // over a thumbnail: no move
        QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pair, &enter);
        QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pair, &drop);
        EXPECT_EQ(drop.isAccepted(), at.x() == 4) << at.x();
    }
    const QStringList texts = StoredTexts();
    EXPECT_EQ(texts.mid(0, 9), (QStringList{"page 0", "page 1", "page 2", "page 7", "page 3",
                                            "page 4", "page 5", "page 6", "page 8"}));
    EXPECT_EQ(history.Stack().undoText(), "Move Page");
    history.Stack().undo();
    EXPECT_EQ(StateFile(), before);
    EXPECT_EQ(Thumb(7)->Page(), book().GetPage(7));
    EXPECT_EQ(AlbumGapInsertIndex(PaneView::Column, QPoint(50, 120), 2, 20), 3);
    EXPECT_EQ(AlbumGapInsertIndex(PaneView::Column, QPoint(50, 60), 2, 20), std::nullopt);
    EXPECT_EQ(AlbumGapInsertIndex(PaneView::Strip, QPoint(305, 60), 20, 20), 20);
    EXPECT_EQ(AlbumPairPages(0, 20), (AlbumPageRange{0, 1}));
    EXPECT_EQ(AlbumPairPages(20, 20), (AlbumPageRange{19, 1}));
}
