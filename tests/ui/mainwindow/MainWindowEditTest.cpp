#include "MainWindowFixture.h"
#include "ModalKeys.h"

#include "imaging/TestJpegs.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PageDrop.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"
#include "render/rtf/RtfReader.h"
#include "ui/bookview/PageView.h"
#include "ui/bookview/TemplateTile.h"
#include "ui/bookview/TemplatesPane.h"
#include "ui/editors/PhotoBoxEditor.h"
#include "ui/editors/TextBoxEditor.h"
#include "ui/panes/PhotosPane.h"

#include <QFile>
#include <QKeySequence>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>

namespace {

class MainWindowEditTest : public MainWindowFixture {
protected:
    QByteArray StateFile() const {
        CurrentBook()->WaitForSaves(); // written off the UI thread
        QFile file(CurrentBook()->GetBookFolder() + QStringLiteral("book.pbx"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TextBoxEditor& Text() {
        return *dynamic_cast<TextBoxEditor*>(Window().GetBookView()->TextBoxEditor());
    }
    QString StoredText() const {
        return RtfReader().Read(CurrentBook()->GetPage(0)->text(0))->toPlainText();
    }
    PhotosPane* Photos() { return Window().GetSidePane()->Photos(); }
    // A photo imported into the current book, shown in the photos pane; the book is saved.
    std::shared_ptr<PhotoImage> ImportPhoto() {
        const QString picture = dir.filePath("pic.jpg");
        TestJpegs::Write(picture, TestJpegs::PhotoLike(320, 240));
        auto photo = std::make_shared<PhotoImage>();
        photo->SetImage(picture, CurrentBook()->GetBookFolder());
        EXPECT_GT(photo->GetWidth(), 0); // its size is kept in a ".dim" file from now on
        CurrentBook()->Photos().Add(photo);
        Photos()->AddDisplayPhoto(photo);
        CurrentBook()->SaveBook();
        return photo;
    }
    FolderFiles Files() const {
        CurrentBook()->WaitForSaves(); // written off the UI thread
        return ReadFolderFiles(CurrentBook()->GetBookFolder());
    }
    PhotoBoxEditor& PhotoEditor() {
        return *dynamic_cast<PhotoBoxEditor*>(Window().GetBookView()->PhotoBoxEditor());
    }
};

} // namespace

TEST_F(MainWindowEditTest, TheEditItemsNameTheStepAndTakeTheBookFilesBackAndForth) {
    Active();
    EXPECT_FALSE(Actions().editUndo->isEnabled());
    EXPECT_EQ(Actions().editUndo->text(), "Undo");
    EXPECT_EQ(Actions().editRedo->text(), "Redo");
    CurrentBook()->SaveBook();
    const QByteArray start = StateFile();

    Actions().bookNewPage->trigger();
    const QByteArray added = StateFile();
    ASSERT_NE(added, start);
    EXPECT_TRUE(Actions().editUndo->isEnabled());
    EXPECT_EQ(Actions().editUndo->text(), "Undo Add Page");
    Actions().editUndo->trigger();
    EXPECT_EQ(StateFile(), start);
    EXPECT_EQ(CurrentBook()->PagesCount(), 20);
    EXPECT_FALSE(Actions().editUndo->isEnabled());
    EXPECT_EQ(Actions().editRedo->text(), "Redo Add Page");
    Actions().editRedo->trigger();
    EXPECT_EQ(StateFile(), added);
    EXPECT_EQ(CurrentBook()->PagesCount(), 21);

    QPushButton* deletePage = Window().GetBookView()->RightPageDeleteButton();
    EXPECT_EQ(deletePage->toolTip(), "Delete page");
    ASSERT_TRUE(deletePage->isVisible()); // page 21 is shown
    deletePage->click();
    EXPECT_EQ(CurrentBook()->PagesCount(), 20);
    EXPECT_EQ(Actions().editUndo->text(), "Undo Delete Page");
    Actions().editUndo->trigger();
    EXPECT_EQ(StateFile(), added);
}

TEST_F(MainWindowEditTest, TheToolbarHasTheEditItemsAndTheKeysAreThePlatforms) {
    Active();
    const QList<QAction*> buttons = Window().GetBookView()->findChild<QToolBar*>()->actions();
    EXPECT_TRUE(buttons.contains(Actions().editUndo));
    EXPECT_TRUE(buttons.contains(Actions().editRedo));
    EXPECT_EQ(Actions().editUndo->shortcuts(), QKeySequence::keyBindings(QKeySequence::Undo));
    const QList<QKeySequence> redo = Actions().editRedo->shortcuts();
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo))
        EXPECT_TRUE(redo.contains(key)) << key.toString().toStdString();
    EXPECT_TRUE(redo.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));

    Actions().bookNewPage->trigger();
    PressKey(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(CurrentBook()->PagesCount(), 20);
    PressKey(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(CurrentBook()->PagesCount(), 21);
    PressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(CurrentBook()->PagesCount(), 21); // nothing left to redo
    PressKey(Qt::Key_Z, Qt::ControlModifier);
    PressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(CurrentBook()->PagesCount(), 21);
}

TEST_F(MainWindowEditTest, WhileATextIsTypedItsOwnUndoWins) {
    Active();
    Actions().bookNewPage->trigger();
    Window().GetBookView()->RightPageView()->OpenTextEditor(0);
    ASSERT_TRUE(Text().IsInitialized());
    const std::shared_ptr<Page> edited = CurrentBook()->GetPage(books->Session().RightPageIndex());
    QTest::keyClicks(QApplication::focusWidget(), "abc");
    PressKey(Qt::Key_Z, Qt::ControlModifier);
    PressKey(Qt::Key_Y, Qt::ControlModifier);
    PressKey(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Text().IsInitialized());
    EXPECT_EQ(CurrentBook()->PagesCount(), 21); // the book's step stays
    QTest::keyClicks(QApplication::focusWidget(), "q");
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(RtfReader().Read(edited->text(0))->toPlainText(), "q");
    EXPECT_EQ(Actions().editUndo->text(), "Undo Edit Text");

    PressKey(Qt::Key_Z, Qt::ControlModifier); // the pages have the keys again
    EXPECT_EQ(CurrentBook()->GetPage(20)->text(0), QString());
    EXPECT_EQ(Actions().editUndo->text(), "Undo Add Page");
}

TEST_F(MainWindowEditTest, ADeletedPhotoComesBackWithItsFilesAndAnotherBookStartsAfresh) {
    Active();
    const auto photo = ImportPhoto();
    const QString original = CurrentBook()->GetBookFolder() + photo->GetName() + "_or.jpg";
    ASSERT_TRUE(QFile::exists(original));

    ASSERT_EQ(Photos()->TileCount(), 1);
    auto* cross = Photos()->findChild<QToolButton*>("mDeletePhotoButton");
    ASSERT_NE(cross, nullptr);
    EXPECT_EQ(cross->toolTip(), "Remove photo from the book");
    cross->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Photos()->TileCount() == 0; }));
    EXPECT_FALSE(QFile::exists(original));
    EXPECT_EQ(Actions().editUndo->text(), "Undo Delete Photo");

    Actions().editUndo->trigger();
    EXPECT_TRUE(QFile::exists(original));
    EXPECT_EQ(Photos()->TileCount(), 1);
    EXPECT_TRUE(CurrentBook()->Photos().Find(photo->GetKey()));

    Actions().editRedo->trigger();
    EXPECT_EQ(Photos()->TileCount(), 0);
    ASSERT_EQ(books->NewBook("Other"), BookNameCheck::Accepted);
    EXPECT_FALSE(Actions().editUndo->isEnabled());
    EXPECT_FALSE(Actions().editRedo->isEnabled());
    EXPECT_EQ(Actions().editUndo->text(), "Undo");
}

TEST_F(MainWindowEditTest, AnOpenPhotoEditorEndsItsStepBeforeAnUndoAndEachOpeningIsOneStep) {
    Active();
    const auto photo = ImportPhoto();
    books->Session().DropOnPage(*CurrentBook()->GetPage(0), photo->GetKey(), 100, 50);
    const FolderFiles placed = Files();
    PageView* page = Window().GetBookView()->RightPageView(); // page 1

    page->OpenPhotoEditor(0);
    ASSERT_TRUE(PhotoEditor().IsInitialized());
    PhotoEditor().ImageSizeSlider()->setValue(200);
    Actions().editUndo->trigger(); // the zoom is saved as a step, then undone
    EXPECT_FALSE(PhotoEditor().IsInitialized());
    EXPECT_EQ(FolderDifferences(Files(), placed), "");
    EXPECT_EQ(Actions().editRedo->text(), "Redo Edit Photo");
    EXPECT_EQ(Actions().editUndo->text(), "Undo Place Photo");

    page->OpenPhotoEditor(0); // the editor again, on the photo as it was
    ASSERT_TRUE(PhotoEditor().IsInitialized());
    EXPECT_EQ(PhotoEditor().ImageSizeSlider()->value(), 100);
    PhotoEditor().ImageSizeSlider()->setValue(150);
    PhotoEditor().ImageSizeSlider()->setValue(180);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(Actions().editUndo->text(), "Undo Edit Photo");
    const FolderFiles zoomed = Files();
    ASSERT_NE(FolderDifferences(zoomed, placed), "");
    Actions().editUndo->trigger();
    EXPECT_EQ(FolderDifferences(Files(), placed), "");
    Actions().editRedo->trigger();
    EXPECT_EQ(FolderDifferences(Files(), zoomed), "");
    page->OpenPhotoEditor(0);
    EXPECT_EQ(PhotoEditor().ImageSizeSlider()->value(), 180);
}

TEST_F(MainWindowEditTest, AnImportIsOneStepWhoseUndoTakesItsFilesAway) {
    Active();
    CurrentBook()->SaveBook();
    const FolderFiles before = Files();
    QStringList pictures;
    for (const char* name : {"a.jpg", "b.jpg"}) {
        pictures << dir.filePath(name);
        TestJpegs::Write(pictures.back(), TestJpegs::PhotoLike(320, 240));
    }
    QSignalSpy finished(Photos(), &PhotosPane::importFinished);
    Photos()->AddFiles(pictures, false);
    ASSERT_TRUE(finished.wait(20000));
    ASSERT_EQ(Photos()->TileCount(), 2);
    EXPECT_EQ(Actions().editUndo->text(), "Undo Import Photos");
    const FolderFiles imported = Files();

    Actions().editUndo->trigger();
    EXPECT_EQ(FolderDifferences(Files(), before), "");
    EXPECT_EQ(Photos()->TileCount(), 0);
    EXPECT_EQ(CurrentBook()->Photos().GetSize(), 0);
    Actions().editRedo->trigger();
    EXPECT_EQ(FolderDifferences(Files(), imported), "");
    EXPECT_EQ(Photos()->TileCount(), 2);
}

TEST_F(MainWindowEditTest, ATemplateChosenInThePickerGoesOnTheCurrentPageAsOneStep) {
    Active();
    CurrentBook()->SaveBook();
    books->Session().ShowPage(3);
    const QByteArray start = StateFile();
    const auto& miniatures = Window().GetTemplatesPane()->Miniatures();
    ASSERT_GE(miniatures.size(), 3u);
    const auto definitionOf = [](const TemplateTile* m) { return m->GetTemplate()->Serialize(); };
    ASSERT_NE(CurrentBook()->GetPage(3)->Template()->Serialize(), definitionOf(miniatures[1]));

    // Enter on the miniature that has the focus.
    miniatures[1]->setFocus();
    QTest::keyClick(miniatures[1], Qt::Key_Return);
    EXPECT_EQ(CurrentBook()->GetPage(3)->Template()->Serialize(), definitionOf(miniatures[1]));
    EXPECT_EQ(CurrentBook()->GetPage(2)->Template()->Serialize(),
              CurrentBook()->GetPage(4)->Template()->Serialize()); // only the current page
    EXPECT_NE(StateFile(), start);
    EXPECT_EQ(Actions().editUndo->text(), "Undo Change Template");

    // A double click, on the page made current since.
    books->Session().ShowPage(4);
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(20, 20),
                      miniatures[2]->mapToGlobal(QPointF(20, 20)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(miniatures[2], &twice);
    EXPECT_EQ(CurrentBook()->GetPage(4)->Template()->Serialize(), definitionOf(miniatures[2]));

    Actions().editUndo->trigger();
    Actions().editUndo->trigger();
    EXPECT_EQ(StateFile(), start);
}
