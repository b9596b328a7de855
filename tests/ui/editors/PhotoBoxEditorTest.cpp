#include "ui/editors/PhotoBoxEditor.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "ui/editors/BoxEditorFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include <functional>

namespace {

// The page surface shows the page at 2 pixels per mm from (100, 80) of the
// view: the default photo box covers it all.
const QRect kBox(100, 80, 578, 416);

class PhotoBoxEditorTest : public BoxEditorFixture {
protected:
    void Open(PhotoBoxEditor& editor, const std::shared_ptr<PhotoImage>& photo) {
        editor.Init(photo);
        editor.SetLocationAndSize(kBox.x(), kBox.y(), kBox.width(), kBox.height());
    }
    void Mouse(PhotoBoxEditor& editor, QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        QWidget* picture = editor.Picture();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, picture->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &event);
    }
    QPoint Offsets(const PhotoImage& photo) const { return {photo.X(), photo.Y()}; }
    // A turn of the wheel over `target`; true when the editor took it.
    static bool Wheel(QWidget* target, int angleDelta) {
        const QPointF at(5, 5);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, angleDelta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        event.ignore();
        QCoreApplication::sendEvent(target, &event);
        return event.isAccepted();
    }
    static QToolButton* DoneButton(const PhotoBoxEditor& editor) {
        return qobject_cast<QToolButton*>(
            editor.Toolbar()->widgetForAction(editor.ToolbarButton("ok")));
    }
};

} // namespace

TEST_F(PhotoBoxEditorTest, OpensOverTheBoxWithTheSliderAtThePhotosZoom) {
    const auto photo = PlacePhoto(0);
    photo->SetRatio(0.5f);
    PhotoBoxEditor editor(&view, manager, QImage());
    EXPECT_FALSE(editor.IsInitialized());
    EXPECT_EQ(editor.PageId(), -1);

    editor.Init(photo);
    EXPECT_TRUE(editor.IsInitialized());
    EXPECT_TRUE(editor.isHidden()); // until placed
    EXPECT_EQ(editor.PageId(), PageAt(0)->GetPageId());
    EXPECT_EQ(editor.PhotoBox(), photo->PhotoBox());
    EXPECT_EQ(editor.ImageSizeSlider()->value(), 200);
    EXPECT_FLOAT_EQ(photo->ratio(), 0.5f); // opening does not change the zoom

    editor.SetLocationAndSize(kBox.x(), kBox.y(), kBox.width(), kBox.height());
    EXPECT_FALSE(editor.isHidden());
    const QRect picture(editor.Picture()->mapTo(&view, QPoint(0, 0)), editor.Picture()->size());
    EXPECT_EQ(picture, kBox);
    const QRect toolbar(editor.Toolbar()->mapTo(&view, QPoint(0, 0)), editor.Toolbar()->size());
    EXPECT_EQ(toolbar.top(), 60);                     // the box is closer than that to the top
    EXPECT_TRUE(editor.geometry().contains(toolbar)); // nothing of the toolbar cut off
    EXPECT_EQ(toolbar.size(), editor.Toolbar()->sizeHint());
    // Where the toolbar lies over the picture, the toolbar is on top.
    ASSERT_TRUE(toolbar.intersects(picture));
    const QWidget* atOverlap =
        editor.childAt(editor.mapFrom(&view, toolbar.bottomLeft() + QPoint(2, -1)));
    EXPECT_TRUE(atOverlap == editor.Toolbar() || editor.Toolbar()->isAncestorOf(atOverlap));

    const QStringList keys = {"small", "big", "rotateLeft", "rotateRight", "ok"};
    QStringList order;
    for (QAction* action : editor.Toolbar()->actions()) {
        if (keys.contains(action->data().toString()))
            order << action->data().toString();
    }
    EXPECT_EQ(order, keys);
    EXPECT_EQ(editor.ImageSizeSlider()->minimum(), 100);
    EXPECT_EQ(editor.ImageSizeSlider()->maximum(), 250);
    EXPECT_EQ(editor.ImageSizeSlider()->pageStep(), 10);
}

TEST_F(PhotoBoxEditorTest, ZoomButtonsAndSliderStayWithinTheRange) {
    const auto photo = PlacePhoto(0);
    PhotoBoxEditor editor(&view, manager, QImage());
    Open(editor, photo);
    editor.ToolbarClick("big");
    EXPECT_EQ(editor.ImageSizeSlider()->value(), 110);
    EXPECT_FLOAT_EQ(photo->ratio(), 100.0f / 110.0f);
    editor.ImageSizeSlider()->setValue(250); // the user moves the slider
    EXPECT_FLOAT_EQ(photo->ratio(), 0.4f);
    editor.ToolbarClick("big");
    EXPECT_EQ(editor.ImageSizeSlider()->value(), 250);
    EXPECT_FLOAT_EQ(photo->ratio(), 0.4f);
    editor.ImageSizeSlider()->setValue(105);
    editor.ToolbarClick("small");
    EXPECT_EQ(editor.ImageSizeSlider()->value(), 100);
    EXPECT_FLOAT_EQ(photo->ratio(), 1.0f);
    editor.ToolbarClick("small");
    EXPECT_EQ(editor.ImageSizeSlider()->value(), 100);
    QTest::keyClick(editor.ImageSizeSlider(), Qt::Key_Right);
    EXPECT_FLOAT_EQ(photo->ratio(), 100.0f / 101.0f);
    editor.ToolbarClick("unknown");
    EXPECT_EQ(editor.ImageSizeSlider()->value(), 101);
    EXPECT_TRUE(editor.IsInitialized());
}

TEST_F(PhotoBoxEditorTest, WheelStepsAsTheZoomButtonsWithinTheRange) {
    const auto photo = PlacePhoto(0);
    PhotoBoxEditor editor(&view, manager, QImage());
    Open(editor, photo);
    QSlider* slider = editor.ImageSizeSlider();
    // A notch up from any value is one "big", a notch down one "small"; over
    // the picture and over the slider alike.
    for (QWidget* target : {editor.Picture(), static_cast<QWidget*>(slider)}) {
        for (const int start : {100, 105, 170, 245, 250}) {
            for (const auto& [button, delta] : {std::pair{"big", 120}, std::pair{"small", -120}}) {
                SCOPED_TRACE(testing::Message() << start << " " << button);
                slider->setValue(start);
                editor.ToolbarClick(button);
                const int expected = slider->value();
                slider->setValue(start);
                EXPECT_TRUE(Wheel(target, delta)); // the page below does not scroll
                EXPECT_EQ(slider->value(), expected);
                EXPECT_FLOAT_EQ(photo->ratio(), 100.0f / float(expected));
            }
        }
    }
    slider->setValue(100);
    Wheel(editor.Picture(), 120);
    EXPECT_EQ(slider->value(), 110);
    Wheel(editor.Picture(), 3 * 120); // three notches at once
    EXPECT_EQ(slider->value(), 140);
    Wheel(editor.Picture(), 30 * 120);
    EXPECT_EQ(slider->value(), 250);
    EXPECT_FLOAT_EQ(photo->ratio(), 0.4f);
    Wheel(editor.Picture(), -30 * 120);
    EXPECT_EQ(slider->value(), 100);
    EXPECT_FLOAT_EQ(photo->ratio(), 1.0f);

    // A fine wheel's small deltas make a step once they add up to a notch; a
    // turn the other way starts afresh.
    for (int i = 0; i < 3; ++i) {
        Wheel(editor.Picture(), 30);
        EXPECT_EQ(slider->value(), 100);
    }
    Wheel(editor.Picture(), 30);
    EXPECT_EQ(slider->value(), 110);
    Wheel(editor.Picture(), 60);
    Wheel(editor.Picture(), -120);
    EXPECT_EQ(slider->value(), 100);

    // A wheel over a closed editor changes nothing.
    editor.Destroy();
    const float kept = photo->ratio();
    Wheel(editor.Picture(), 120);
    EXPECT_FLOAT_EQ(photo->ratio(), kept);
}

TEST_F(PhotoBoxEditorTest, DoneSavesTheWholeEditAsOneUndoStep) {
    const auto photo = PlacePhoto(0);
    CurrentBook()->SaveBook();
    BookSession& history = manager.Session();
    const int steps = history.Stack().count();
    ShowView();
    PhotoBoxEditor editor(&view, manager, QImage());
    Open(editor, photo);
    QToolButton* done = DoneButton(editor);
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->text(), "Done");
    EXPECT_EQ(done->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_TRUE(editor.Toolbar()->rect().contains(done->geometry())); // shown whole

    for (int i = 0; i < 3; ++i)
        Wheel(editor.Picture(), 120);
    editor.ToolbarClick("rotateLeft");
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_FALSE(editor.IsInitialized());
    EXPECT_TRUE(editor.isHidden());
    const auto saved = SavedBook()->GetPage(0)->Photo(0);
    EXPECT_FLOAT_EQ(saved->ratio(), 100.0f / 130.0f);
    EXPECT_EQ(saved->Angle(), 90);
    EXPECT_EQ(history.Stack().count(), steps + 1);
    EXPECT_EQ(history.Stack().undoText(), "Edit Photo");
    history.Stack().undo();
    EXPECT_FLOAT_EQ(SavedBook()->GetPage(0)->Photo(0)->ratio(), 1.0f);
    EXPECT_EQ(SavedBook()->GetPage(0)->Photo(0)->Angle(), 0);
}

TEST_F(PhotoBoxEditorTest, TurnsExchangeTheOffsetsWithinTheTurnedBounds) {
    // 1600 x 1200 in the 289 x 208 mm box at zoom 0.5: window 800 x 575.8,
    // offsets within 400 and 312; turned: window 600 x 431.8, within 300 and 584.
    const auto photo = PlacePhoto(0);
    PhotoBoxEditor editor(&view, manager, QImage());
    Open(editor, photo);
    editor.ImageSizeSlider()->setValue(200);
    ASSERT_TRUE(photo->SetImageLocation(400, 0));

    editor.ToolbarClick("rotateLeft");
    EXPECT_EQ(photo->Angle(), 90);
    EXPECT_EQ(Offsets(*photo),
              QPoint(0, 400)); // beyond the unturned bound of Y, inside the turned one
    editor.ToolbarClick("rotateRight");
    EXPECT_EQ(photo->Angle(), 0);
    EXPECT_EQ(Offsets(*photo), QPoint(400, 0));

    ASSERT_TRUE(photo->SetImageLocation(0, -312));
    editor.ToolbarClick("rotateRight");
    EXPECT_EQ(photo->Angle(), -90);
    EXPECT_EQ(Offsets(*photo), QPoint(-300, 0)); // clamped to the turned picture

    editor.ToolbarClick("rotateLeft");
    EXPECT_EQ(photo->Angle(), 0);
    for (int expected : {90, 180, 270, 0}) {
        editor.ToolbarClick("rotateLeft");
        EXPECT_EQ(photo->Angle(), expected);
    }
}

TEST_F(PhotoBoxEditorTest, DragMovesOneFullSizePixelPerMousePixelAndStopsAtTheEdge) {
    const auto photo = PlacePhoto(0);
    ShowView();
    PhotoBoxEditor editor(&view, manager, QImage());
    Open(editor, photo);
    editor.ImageSizeSlider()->setValue(200); // offsets within 400 and 312
    QSignalSpy painted(&editor, &PhotoBoxEditor::picturePainted);

    // No drag before a press.
    Mouse(editor, QEvent::MouseMove, {80, 80}, Qt::LeftButton);
    EXPECT_EQ(Offsets(*photo), QPoint(0, 0));

    Mouse(editor, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton);
    Mouse(editor, QEvent::MouseMove, {60, 45}, Qt::LeftButton);
    EXPECT_EQ(Offsets(*photo), QPoint(10, -5));
    Mouse(editor, QEvent::MouseMove, {60.5, 45.5}, Qt::LeftButton); // halves to even: 10.5, -4.5
    EXPECT_EQ(Offsets(*photo), QPoint(10, -4));
    Mouse(editor, QEvent::MouseMove, {90, 45}, Qt::NoButton); // button up: nothing
    EXPECT_EQ(Offsets(*photo), QPoint(10, -4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return painted.count() > 0; }));

    Mouse(editor, QEvent::MouseMove, {600, 45}, Qt::LeftButton);
    EXPECT_EQ(Offsets(*photo), QPoint(400, -4)); // stops at the edge
    QCoreApplication::processEvents();
    painted.clear();
    Mouse(editor, QEvent::MouseMove, {650, 45}, Qt::LeftButton);
    EXPECT_EQ(Offsets(*photo), QPoint(400, -4));
    QCoreApplication::processEvents();
    EXPECT_EQ(painted.count(), 0); // nothing moved, nothing redrawn
}

TEST_F(PhotoBoxEditorTest, RedrawsWhileOpenReuseTheDecodedThumbnail) {
    const auto photo = PlacePhoto(0);
    ShowView();
    PhotoBoxEditor editor(&view, manager, QImage());
    Open(editor, photo);
    editor.ImageSizeSlider()->setValue(200);
    editor.Picture()->repaint();

    // With the files gone, only the kept picture can be drawn.
    for (ThumbType type : kThumbTypes)
        ASSERT_TRUE(QFile::remove(photo->GetThumbFile(type)));
    QSignalSpy painted(&editor, &PhotoBoxEditor::picturePainted);
    for (int step = 1; step <= 20; ++step) {
        Mouse(editor, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
        Mouse(editor, QEvent::MouseMove, {100.0 + step, 100}, Qt::LeftButton);
        editor.Picture()->repaint();
    }
    EXPECT_EQ(painted.count(), 20);
    EXPECT_EQ(Offsets(*photo), QPoint(210, 0));
    // The window's left edge is at 800 - 210 - 400 = 190 of 1600: red on the
    // left, green on the right of the top row.
    const QImage shown = editor.Picture()->grab().toImage();
    EXPECT_TRUE(TestJpegs::Near(shown.pixel(10, 10), Qt::red));
    EXPECT_TRUE(TestJpegs::Near(shown.pixel(shown.width() - 10, 10), Qt::green));

    editor.Destroy(); // lets go of the picture
    QImage surface(50, 50, QImage::Format_RGB32);
    QPainter painter(&surface);
    PhotoPictures none;
    EXPECT_ANY_THROW(DrawPhoto(painter, photo->Placement(), surface.rect(), false, QImage(), none));
}

TEST_F(PhotoBoxEditorTest, ATooSmallPhotoShowsTheProgramsMarker) {
    const auto photo = PlacePhoto(0, 400, 300); // about 1.4 pixels per mm
    ASSERT_TRUE(photo->ImageTooSmall());
    QImage marker(8, 8, QImage::Format_RGB32);
    marker.fill(Qt::magenta);
    PhotoBoxEditor editor(&view, manager, marker);
    Open(editor, photo);
    const QImage shown = editor.Picture()->grab().toImage();
    EXPECT_EQ(shown.pixel(5, 5), qRgb(255, 0, 255)); // inside the yellow band
}

TEST_F(PhotoBoxEditorTest, MissingPhotoFilesShowAnEmptyPicture) {
    const auto photo = PlacePhoto(0);
    for (ThumbType type : kThumbTypes) {
        QFile::remove(photo->GetThumbFile(type));
        QFile::remove(photo->GetThumbFile(type).replace(".jpg", ".dim"));
    }
    PhotoBoxEditor editor(&view, manager, QImage());
    Open(editor, photo);
    ASSERT_TRUE(editor.IsInitialized());
    editor.ToolbarClick("big");
    editor.ToolbarClick("rotateLeft");
    const QImage shown = editor.Picture()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(shown.width() / 2, 5)), QColor(192, 192, 192));
    editor.ToolbarClick("ok");
    EXPECT_FALSE(editor.IsInitialized());
}

TEST_F(PhotoBoxEditorTest, EveryClosingEventSavesTheBook) {
    const auto photo = PlacePhoto(0);
    PhotoBoxEditor editor(&view, manager, QImage());
    const std::shared_ptr<Page> edited = PageAt(0);
    const std::vector<std::pair<const char*, std::function<void()>>> closers = {
        {"ok", [&] { editor.ToolbarClick("ok"); }},
        {"done", [&] { editor.ToolbarButton("ok")->trigger(); }},
        {"page index", [&] { manager.Session().ShowPage(4); }},
        {"template",
         [&] { edited->SetTemplate(TestTemplate("Photo[0,0,200,208,0]Text[30,180,230,25,0]")); }},
        {"page change", [&] { edited->TextChanged(); }},
        {"quit", [&] { manager.Quit(); }},
        {"escape", [&] { QTest::keyClick(&editor, Qt::Key_Escape); }},
    };
    float ratio = 1.0f;
    for (const auto& [name, close] : closers) {
        SCOPED_TRACE(name);
        Open(editor, photo);
        editor.ToolbarClick("big");
        ratio = photo->ratio();
        QSignalSpy changed(edited.get(), &Page::changed);
        close();
        EXPECT_FALSE(editor.IsInitialized());
        EXPECT_TRUE(editor.isHidden());
        EXPECT_GE(changed.count(), 1); // every view of the page redraws
        EXPECT_FLOAT_EQ(SavedBook()->GetPage(0)->Photo(0)->ratio(), ratio);
    }
}

TEST_F(PhotoBoxEditorTest, PageChangesBeforeTheEditorShowsAndClosingWithoutSave) {
    const auto photo = PlacePhoto(0);
    CurrentBook()->SaveBook();
    PhotoBoxEditor editor(&view, manager, QImage());
    editor.Init(photo);
    PageAt(0)->TextChanged(); // not shown yet: stays open
    EXPECT_TRUE(editor.IsInitialized());
    editor.SetLocationAndSize(kBox.x(), kBox.y(), kBox.width(), kBox.height());
    editor.ToolbarClick("big");
    QSignalSpy changed(PageAt(0).get(), &Page::changed);
    editor.DestroyWithoutSave();
    EXPECT_FALSE(editor.IsInitialized());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FLOAT_EQ(photo->ratio(), 100.0f / 110.0f); // kept in memory
    EXPECT_FLOAT_EQ(SavedBook()->GetPage(0)->Photo(0)->ratio(), 1.0f);
    editor.Destroy(); // closed: nothing
    EXPECT_FLOAT_EQ(SavedBook()->GetPage(0)->Photo(0)->ratio(), 1.0f);
}

TEST_F(PhotoBoxEditorTest, SwitchingBooksKeepsTheEditUnlessTheBookWasDeleted) {
    const auto photo = PlacePhoto(0);
    const QString first = CurrentBook()->GetName();
    const QString firstFolder = CurrentBook()->GetBookFolder();
    PhotoBoxEditor editor(&view, manager, QImage());
    Open(editor, photo);
    editor.ToolbarClick("big");
    ASSERT_EQ(manager.NewBook("Second"), BookNameCheck::Accepted);
    EXPECT_FALSE(editor.IsInitialized());
    EXPECT_FLOAT_EQ(SavedBook(first)->GetPage(0)->Photo(0)->ratio(), 100.0f / 110.0f);

    // A deleted book is not written again.
    const auto second = PlacePhoto(1);
    const QString secondFolder = CurrentBook()->GetBookFolder();
    Open(editor, second);
    editor.ToolbarClick("big");
    manager.DeleteBook();
    EXPECT_FALSE(editor.IsInitialized());
    EXPECT_FALSE(QDir(secondFolder).exists());
    EXPECT_TRUE(QDir(firstFolder).exists());
}
