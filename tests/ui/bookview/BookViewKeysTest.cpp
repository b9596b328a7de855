#include "model/Book.h"
#include "model/BookSession.h"
#include "model/Templates.h"
#include "render/rtf/RtfReader.h"
#include "ui/bookview/BookView.h"
#include "ui/bookview/BookViewTestSupport.h"
#include "ui/bookview/PageView.h"
#include "ui/editors/PhotoBoxEditor.h"
#include "ui/editors/TextBoxEditView.h"
#include "ui/editors/TextBoxEditor.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// The real book view with its real editors, shown and active, so that keys
// go where a user's keys go.
class BookViewKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        ShowBookView(view);
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        view.setFocus();
    }
    std::shared_ptr<Book> book() const { return fixture.CurrentBook(); }
    // A key pressed where the keyboard focus is.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, modifiers);
    }
    // Presses the key and gives the book's page index afterwards.
    int After(Qt::Key key) {
        Press(key);
        return fixture.manager.Session().PageIndex();
    }
    bool Enabled(const char* key) const {
        return view.ToolbarButton(QString::fromLatin1(key))->isEnabled();
    }
    ::TextBoxEditor& Text() const { return *dynamic_cast<::TextBoxEditor*>(view.TextBoxEditor()); }
    ::PhotoBoxEditor& Photo() const {
        return *dynamic_cast<::PhotoBoxEditor*>(view.PhotoBoxEditor());
    }

    BookViewFixture fixture;
    BookView view{fixture.Context()};
};

} // namespace

TEST_F(BookViewKeysTest, PageKeysTurnPairsInTheTwoPageViewAndStopAtBothEnds) {
    ASSERT_EQ(view.GetPagesView(), PagesView::TwoPages);
    QSignalSpy moves(&fixture.manager.Session(), &BookSession::pageIndexChanged);
    EXPECT_EQ(After(Qt::Key_PageUp), 0); // at the first page already
    EXPECT_EQ(After(Qt::Key_Home), 0);
    EXPECT_EQ(moves.count(), 0);

    EXPECT_EQ(After(Qt::Key_PageDown), 2);
    EXPECT_EQ(view.LeftPageLabel()->text(), QStringLiteral("2"));
    EXPECT_TRUE(Enabled("PreviousPage"));
    EXPECT_EQ(After(Qt::Key_End), 19);
    EXPECT_EQ(view.LeftPageView()->ShownPage(), book()->GetPage(19)); // page 20 alone
    EXPECT_FALSE(Enabled("NextPage"));
    moves.clear();
    EXPECT_EQ(After(Qt::Key_PageDown), 19);
    EXPECT_EQ(After(Qt::Key_End), 19);
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(After(Qt::Key_PageUp), 17);
    EXPECT_EQ(After(Qt::Key_Home), 0);
    EXPECT_EQ(view.RightPageView()->ShownPage(), book()->GetPage(0));
    EXPECT_FALSE(Enabled("PreviousPage"));

    // An odd count: the last pair is full and End shows it.
    book()->AddNewPage();
    fixture.manager.Session().ShowPage(0);
    EXPECT_EQ(After(Qt::Key_End), 20);
    EXPECT_EQ(fixture.manager.Session().LeftPageIndex(), 19);
    EXPECT_EQ(view.RightPageLabel()->text(), QStringLiteral("21"));
    EXPECT_EQ(After(Qt::Key_PageDown), 20);
}

TEST_F(BookViewKeysTest, PageKeysTurnSinglePagesInTheOnePageView) {
    view.SetPagesView(PagesView::OnePage);
    EXPECT_EQ(After(Qt::Key_PageUp), 0);
    EXPECT_EQ(After(Qt::Key_PageDown), 1);
    EXPECT_EQ(view.OnePageLabel()->text(), QStringLiteral("2"));
    EXPECT_EQ(After(Qt::Key_End), 19);
    EXPECT_EQ(view.OnePageView()->ShownPage(), book()->GetPage(19));
    EXPECT_EQ(After(Qt::Key_PageDown), 19);
    EXPECT_EQ(After(Qt::Key_PageUp), 18);
    EXPECT_EQ(After(Qt::Key_Home), 0);
    // With a modifier the keys are not the view's.
    Press(Qt::Key_End, Qt::ControlModifier);
    Press(Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(fixture.manager.Session().PageIndex(), 0);
}

TEST_F(BookViewKeysTest, KeysAClickLeavesOnAPageReachTheView) {
    QTest::mouseClick(view.RightPageView(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(QApplication::focusWidget(), &view);
    QTest::keyClick(view.RightPageView(), Qt::Key_PageDown); // a child without use for it
    EXPECT_EQ(fixture.manager.Session().PageIndex(), 2);
}

TEST_F(BookViewKeysTest, TheTextEditorKeepsPageKeysAndEscapeCommitsTheText) {
    view.RightPageView()->OpenTextEditor(0);
    ASSERT_TRUE(Text().IsInitialized());
    ASSERT_TRUE(Text().RichTextBox()->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == Text().RichTextBox());
    QTest::keyClicks(QApplication::focusWidget(), "typed");
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Home})
        Press(key);
    EXPECT_EQ(fixture.manager.Session().PageIndex(), 0); // the page stayed
    ASSERT_TRUE(Text().IsInitialized());
    Press(Qt::Key_X); // Home went to the start of the line
    Press(Qt::Key_Escape);

    EXPECT_FALSE(Text().IsInitialized());
    EXPECT_TRUE(Text().isHidden());
    const auto stored = [](const std::shared_ptr<Page>& aPage) {
        return RtfReader().Read(aPage->text(0))->toPlainText();
    };
    EXPECT_EQ(stored(book()->GetPage(0)), QStringLiteral("xtyped"));
    EXPECT_EQ(stored(fixture.SavedBook()->GetPage(0)), QStringLiteral("xtyped"));
    // The keys are the view's again at once.
    EXPECT_EQ(QApplication::focusWidget(), &view);
    EXPECT_EQ(After(Qt::Key_PageDown), 2);
}

TEST_F(BookViewKeysTest, EscapeOnTheViewClosesThePhotoEditorAndSavesTheChange) {
    const auto photo = fixture.ImportPhoto(QStringLiteral("placed.jpg"));
    book()->GetPage(0)->AddPhoto(photo, 100, 50);
    view.RightPageView()->OpenPhotoEditor(0);
    ASSERT_TRUE(Photo().IsInitialized());
    Photo().ToolbarClick(QStringLiteral("big"));
    const float zoomed = photo->ratio();
    ASSERT_LT(zoomed, 1.0f);
    // The focus stays where it was: the editor opens under the mouse.
    ASSERT_EQ(QApplication::focusWidget(), &view);
    Press(Qt::Key_Escape);

    EXPECT_FALSE(Photo().IsInitialized());
    EXPECT_TRUE(Photo().isHidden());
    EXPECT_FLOAT_EQ(fixture.SavedBook()->GetPage(0)->Photo(0)->ratio(), zoomed);
    // Escape with nothing open is not the view's: it goes on to the window.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(view.RunKey(escape));
}

TEST_F(BookViewKeysTest, PhotoEditorSliderKeepsItsPageSteps) {
    const auto photo = fixture.ImportPhoto(QStringLiteral("placed.jpg"));
    book()->GetPage(0)->AddPhoto(photo, 100, 50);
    view.RightPageView()->OpenPhotoEditor(0);
    Photo().ImageSizeSlider()->setFocus();
    Press(Qt::Key_PageUp);
    EXPECT_EQ(Photo().ImageSizeSlider()->value(), 110);
    EXPECT_EQ(fixture.manager.Session().PageIndex(), 0);
    EXPECT_TRUE(Photo().IsInitialized());
}
