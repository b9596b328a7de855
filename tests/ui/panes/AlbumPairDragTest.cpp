#include "ui/panes/AlbumTestSupport.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "ui/panes/AlbumLayout.h"
#include "ui/panes/AlbumPairTile.h"
#include "ui/panes/AlbumView.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// A pair is dragged with the mouse, through the window system's own drag:
// the offscreen platform has none (its drags end at once), so this runs with
// real windows only (tools/with-window-manager.sh).
class AlbumPairDragTest : public ::testing::Test, public AlbumFixture {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            GTEST_SKIP() << "the offscreen platform carries no drag";
        for (int i = 0; i < book().PagesCount(); ++i)
            book().GetPage(i)->SetText(0, QStringLiteral("page %1").arg(i));
        book().SaveBook();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(album.get()));
        ASSERT_TRUE(WaitForPass());
    }
    // Presses beside the thumbnails of `from`, moves far enough to start its
    // drag and, while the drag runs, moves to `at` on `onto` and lets go.
    static void DragPair(AlbumPairTile* from, AlbumPairTile* onto, QPoint at) {
        const QPoint grip(4, 60);
        QTest::mousePress(from, Qt::LeftButton, {}, grip);
        // The drag reads the mouse on the window, as the window system sends it.
        QTimer::singleShot(0, onto, [onto, at] {
            QWindow* window = onto->window()->windowHandle();
            const QPoint there = onto->mapTo(onto->window(), at);
            QTest::mouseMove(window, there - QPoint(2, 0));
            QTest::mouseMove(window, there);
            QTest::mouseRelease(window, Qt::LeftButton, {}, there);
        });
        QTest::mouseMove(from, grip + QPoint(QApplication::startDragDistance() + 10, 0));
    }
    QStringList PageTexts(int count) const {
        QStringList texts;
        for (int i = 0; i < count; ++i)
            texts << book().GetPage(i)->text(0);
        return texts;
    }
};

} // namespace

// Pair 1 (the pages named "page 1" and "page 2") dragged into the gap after
// pair 2 ("page 3" and "page 4") moves both pages there as one undo step; dropped over a thumbnail,
// it moves nothing.
TEST_F(AlbumPairDragTest, APairDroppedBetweenTwoPairsMovesBothPages) {
    BookSession& history = manager->Session();
    const QStringList before = PageTexts(8);
    DragPair(album->Pair(1), album->Pair(2), QPoint(100, 60));
    EXPECT_EQ(PageTexts(8), before);

    DragPair(album->Pair(1), album->Pair(2), QPoint(kAlbumPairSize.width() - 3, 60));
    EXPECT_EQ(PageTexts(8), (QStringList{"page 0", "page 3", "page 4", "page 1", "page 2", "page 5",
                                         "page 6", "page 7"}));
    EXPECT_EQ(history.Stack().undoText(), "Move Pages");
    history.Stack().undo();
    EXPECT_EQ(PageTexts(8), before);
}
