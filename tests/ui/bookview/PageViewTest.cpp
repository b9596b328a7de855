#include "ui/bookview/PageView.h"

#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookSession.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"
#include "model/TemplateBox.h"
#include "ui/bookview/BookViewTestSupport.h"
#include "ui/editors/BoxEditors.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 10000;

// A single-page surface of 578 x 416 pixels: 2 pixels per mm of the
// 289 x 208 mm page, so the default template's photo box covers it all and
// its text box (30, 180, 230, 25 mm) is (60, 360, 460, 50) pixels.
class PageViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        surface.SetPageType(PageView::PageType::SinglePage);
        surface.SetEditors(&editors);
        surface.move(20, 30);
        surface.resize(578, 416);
        surface.show();
        QSignalSpy rendered(&surface, &PageView::pageRendered);
        ASSERT_TRUE(rendered.wait(kWaitMs)); // the first showing
        editors.text = &text;
        editors.photo = &photo;
    }
    std::shared_ptr<Book> book() const { return fixture.CurrentBook(); }

    BookViewFixture fixture;
    PageView surface{fixture.Context()};
    FakeTextEditor text;
    FakePhotoEditor photo;
    BoxEditors editors;
};

// Drag events reach a widget through the application only while a real
// drag runs; these go to the widget's own handler.
void Deliver(QWidget& target, QEvent& event) { static_cast<QObject&>(target).event(&event); }

void SendDragMove(QWidget& target, QMimeData& data, QPoint at, bool* accepted) {
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    Deliver(target, move);
    *accepted = move.isAccepted();
}

} // namespace

TEST_F(PageViewTest, APageWithAThumbnailShowsItAtOnceAndItsRenderingLater) {
    BookViewFixture::GiveThumbnail(*book()->GetPage(1), qRgb(255, 0, 0));
    fixture.manager.Session().ShowPage(1);
    EXPECT_EQ(surface.ShownPage(), book()->GetPage(1));
    ASSERT_TRUE(surface.ShowsPreview());
    EXPECT_EQ(surface.Preview().pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_TRUE(surface.ReloadPending());
    EXPECT_EQ(surface.ReloadInterval(), 150);

    QSignalSpy rendered(&surface, &PageView::pageRendered);
    ASSERT_TRUE(rendered.wait(kWaitMs));
    EXPECT_TRUE(surface.ShowsRendering());
    EXPECT_EQ(surface.Rendering().size(), QSize(578, 416));
    EXPECT_NE(surface.Rendering().pixel(10, 10), qRgb(255, 0, 0));
}

TEST_F(PageViewTest, AnEmptyPageIsRenderedAtOnce) {
    fixture.manager.Session().ShowPage(2);
    EXPECT_FALSE(surface.ShowsPreview());
    EXPECT_FALSE(surface.ReloadPending());
    EXPECT_TRUE(surface.RenderBusy());
    QSignalSpy rendered(&surface, &PageView::pageRendered);
    ASSERT_TRUE(rendered.wait(kWaitMs));
    // Empty photo box of the editing rendering: the grey checkerboard.
    const QImage& picture = surface.Rendering();
    EXPECT_NE(picture.pixel(100, 100), picture.pixel(101, 100));
}

TEST_F(PageViewTest, SeveralResizesRenderOnceAtTheLastSize) {
    QSignalSpy rendered(&surface, &PageView::pageRendered);
    surface.SetPageSize(300, 216);
    surface.SetPageSize(400, 288);
    surface.SetPageSize(-1, 50); // ignored
    surface.SetPageSize(500, 360);
    EXPECT_EQ(surface.size(), QSize(500, 360));
    EXPECT_TRUE(surface.ReloadPending());
    EXPECT_EQ(surface.ReloadInterval(), 500);
    EXPECT_FALSE(surface.RenderBusy());
    ASSERT_TRUE(rendered.wait(kWaitMs));
    EXPECT_EQ(rendered.count(), 1);
    EXPECT_FALSE(surface.ReloadPending());
    EXPECT_FALSE(surface.RenderBusy()); // nothing more to come
    EXPECT_EQ(surface.Rendering().size(), QSize(500, 360));
}

TEST_F(PageViewTest, PhotoKeyDroppedOnTheSurfaceLandsInTheBoxAndTheBookIsSaved) {
    const auto dropped = fixture.ImportPhoto(QStringLiteral("dropped.jpg"));
    QMimeData data;
    data.setText(dropped->GetKey());
    QSignalSpy done(&surface, &PageView::dropDone);
    QDropEvent drop(QPointF(200, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    Deliver(surface, drop);
    EXPECT_EQ(done.count(), 1);
    ASSERT_NE(book()->GetPage(0)->Photo(0), nullptr);
    EXPECT_EQ(book()->GetPage(0)->Photo(0)->GetKey(), dropped->GetKey());
    EXPECT_TRUE(fixture.StateFile().contains(dropped->GetName()));
}

TEST_F(PageViewTest, FilesDroppedOnTheSurfaceAreImportedOffTheUiThread) {
    const QString path = fixture.pictures.filePath(QStringLiteral("desk.jpg"));
    TestJpegs::Write(path, TestJpegs::PhotoLike(640, 480));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QSignalSpy done(&surface, &PageView::dropDone);
    QDropEvent drop(QPointF(200, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    Deliver(surface, drop);
    ASSERT_TRUE(done.wait(kWaitMs));
    ASSERT_NE(book()->GetPage(0)->Photo(0), nullptr);
    EXPECT_EQ(book()->Photos().GetSize(), 1);
    EXPECT_TRUE(fixture.StateFile().contains(book()->GetPage(0)->Photo(0)->GetName()));
}

TEST_F(PageViewTest, FilesAreRefusedOverATextBoxAndTextIsNot) {
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/pictures/a.jpg"))});
    bool accepted = true;
    SendDragMove(surface, files, QPoint(200, 380), &accepted); // in the text box
    EXPECT_FALSE(accepted);
    SendDragMove(surface, files, QPoint(200, 100), &accepted); // photo box only
    EXPECT_TRUE(accepted);
    QMimeData text;
    text.setText(QStringLiteral("bg:Sea"));
    SendDragMove(surface, text, QPoint(200, 380), &accepted);
    EXPECT_TRUE(accepted);
}

TEST_F(PageViewTest, ClickInATextBoxOpensTheTextEditorOverIt) {
    QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(200, 380));
    EXPECT_EQ(text.mPage, book()->GetPage(0));
    EXPECT_EQ(text.box, 0);
    EXPECT_EQ(text.placed, QRect(20 + 60, 30 + 360, 460, 50)); // in the book view's pixels
    EXPECT_EQ(text.surfaceWidth, 578);
    // Anywhere else it only closes.
    QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_FALSE(text.IsInitialized());
    EXPECT_EQ(text.destroyed, 1);
    EXPECT_FALSE(photo.IsInitialized());
}

TEST_F(PageViewTest, SecondClickOnAFilledPhotoBoxOpensThePhotoEditor) {
    const auto placed = fixture.ImportPhoto(QStringLiteral("placed.jpg"));
    book()->GetPage(0)->AddPhoto(placed, 100, 50);
    QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_FALSE(photo.IsInitialized()); // the first click only marks
    QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(201, 101));
    ASSERT_TRUE(photo.IsInitialized());
    EXPECT_EQ(photo.photo->GetKey(), placed->GetKey());
    EXPECT_EQ(photo.placed, QRect(20, 30, 578, 416));
    // Moving the surface moves the open editor with it.
    surface.SetPageLocation(50, 60);
    EXPECT_EQ(photo.placed, QRect(50, 60, 578, 416));
}

TEST_F(PageViewTest, EachKindOfDropIsAnUndoStepNamedForWhatItDid) {
    BookSession& history = fixture.manager.Session();
    const auto dropped = fixture.ImportPhoto(QStringLiteral("dropped.jpg"));
    book()->SaveBook();
    const std::pair<QString, QString> drops[] = {
        {dropped->GetKey(), "Place Photo"},
        {"bg:leaf", "Set Background"},
        {"T:" + RowTemplate(2, 0)->Serialize(), "Change Template"},
    };
    for (const auto& [text, name] : drops) {
        SCOPED_TRACE(name.toStdString());
        const QString before = fixture.StateFile();
        QMimeData data;
        data.setText(text);
        QDropEvent drop(QPointF(200, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        Deliver(surface, drop);
        ASSERT_NE(fixture.StateFile(), before);
        EXPECT_EQ(history.Stack().undoText(), name);
        history.Stack().undo();
        EXPECT_EQ(fixture.StateFile(), before);
    }
    // A photo of another page dropped on a box that holds one: the two swap.
    const auto other = fixture.ImportPhoto(QStringLiteral("other.jpg"));
    book()->GetPage(0)->AddPhoto(dropped, 100, 50);
    book()->GetPage(1)->AddPhoto(other, 100, 50);
    book()->SaveBook();
    QMimeData data;
    data.setText(other->GetKey());
    QDropEvent drop(QPointF(200, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    Deliver(surface, drop);
    EXPECT_EQ(book()->GetPage(0)->Photo(0), other);
    EXPECT_EQ(history.Stack().undoText(), "Swap Photos");
}

TEST_F(PageViewTest, TheMenuOfAFilledPhotoBoxTakesThePhotoOffAsOneUndoStep) {
    BookSession& history = fixture.manager.Session();
    const auto placed = fixture.ImportPhoto(QStringLiteral("placed.jpg"));
    const auto menuAt = [&](QPoint at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, surface.mapToGlobal(at));
        Deliver(surface, event);
        return surface.findChild<QMenu*>(QStringLiteral("mnuPhotoBox"));
    };
    EXPECT_EQ(menuAt(QPoint(200, 100)), nullptr); // an empty box
    book()->GetPage(0)->AddPhoto(placed, 100, 50);
    book()->SaveBook();
    const QString before = fixture.StateFile();
    ASSERT_TRUE(before.contains(placed->GetName()));
    EXPECT_EQ(menuAt(QPoint(200, 380)), nullptr); // the text box over the photo

    QMenu* menu = menuAt(QPoint(200, 100));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    auto* remove = menu->findChild<QAction*>(QStringLiteral("mnuRemovePhoto"));
    ASSERT_NE(remove, nullptr);
    fixture.host.added.clear();
    remove->trigger();
    menu->close();
    EXPECT_EQ(book()->GetPage(0)->Photo(0), nullptr);
    EXPECT_EQ(placed->GetPage(), nullptr);
    EXPECT_EQ(fixture.host.added, QStringList({placed->GetKey()})); // a tile again
    EXPECT_EQ(book()->Photos().Find(placed->GetKey()), placed);
    EXPECT_FALSE(fixture.StateFile().contains(placed->GetName()));

    EXPECT_EQ(history.Stack().undoText(), "Remove Photo");
    history.Stack().undo();
    EXPECT_EQ(fixture.StateFile(), before);
    ASSERT_NE(book()->GetPage(0)->Photo(0), nullptr);
    EXPECT_EQ(book()->GetPage(0)->Photo(0)->GetKey(), placed->GetKey());
}
