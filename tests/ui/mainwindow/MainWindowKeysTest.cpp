#include "MainWindowFixture.h"
#include "ModalKeys.h"

#include "model/Page.h"
#include "render/rtf/RtfReader.h"
#include "ui/bookview/PageView.h"
#include "ui/editors/TextBoxEditView.h"
#include "ui/editors/TextBoxEditor.h"
#include "ui/mainwindow/IntroductionPanel.h"
#include "ui/mainwindow/dialogs/BookNameDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QTextDocument>

namespace {

class MainWindowKeysTest : public MainWindowFixture {
protected:
    int PageIndex() const { return books->Session().PageIndex(); }
    TextBoxEditor& Text() {
        return *dynamic_cast<TextBoxEditor*>(Window().GetBookView()->TextBoxEditor());
    }
    // Opens the text editor on page 1 (the right page of the first pair) and types.
    void TypeOnTheFirstPage(const char* text) {
        Window().GetBookView()->RightPageView()->OpenTextEditor(0);
        ASSERT_TRUE(Text().IsInitialized());
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    QString Stored(const std::shared_ptr<Book>& book) const {
        return RtfReader().Read(book->GetPage(0)->text(0))->toPlainText();
    }
    std::shared_ptr<Book> SavedBook() {
        CurrentBook()->WaitForSaves(); // written off the UI thread
        ModelContext context;
        context.templates = &catalogue;
        auto saved = std::make_shared<Book>(dir.filePath("books/"), context);
        saved->SetName(CurrentBook()->GetName());
        saved->LoadBook();
        return saved;
    }
};

} // namespace

TEST_F(MainWindowKeysTest, MenuCommandsCarryThePlatformsStandardKeys) {
    EXPECT_EQ(Actions().fileNew->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(Actions().fileExit->shortcut(), QKeySequence(QKeySequence::Quit));
    EXPECT_EQ(Actions().bookImportPhotos->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(Actions().helpContents->shortcut(), QKeySequence(QKeySequence::HelpContents));
    EXPECT_FALSE(Actions().fileNew->shortcut().isEmpty());
    // Quit is the platform's own: Ctrl+Q on Linux desktops, none on Windows.
    EXPECT_EQ(Actions().fileExit->shortcuts(), QKeySequence::keyBindings(QKeySequence::Quit));
    // The book view's own keys are shown beside its commands.
    EXPECT_EQ(Actions().bookPreviousPage->shortcut(), QKeySequence(Qt::Key_PageUp));
    EXPECT_EQ(Actions().bookNextPage->shortcut(), QKeySequence(Qt::Key_PageDown));
    // Deleting the whole book has no key of its own.
    EXPECT_TRUE(Actions().fileDelete->shortcut().isEmpty());
}

TEST_F(MainWindowKeysTest, StandardKeysRunTheirCommands) {
    QStringList opened;
    MainWindowHooks hooks;
    hooks.openWebPage = [&](const QString& address) {
        opened << address;
        return true;
    };
    Active().SetHooks(hooks);
    PressKey(Qt::Key_F1);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.first().endsWith("edit.html"));

    // Ctrl+N: the new-book dialog, typed into and accepted with Enter.
    WithModal([&] { PressKey(Qt::Key_N, Qt::ControlModifier); },
              [&](QWidget* dialog) {
                  auto* form = qobject_cast<NewBookForm*>(dialog);
                  ASSERT_NE(form, nullptr);
                  EXPECT_EQ(QApplication::focusWidget(), form->InputBox());
                  QTest::keyClicks(form->InputBox(), "Keys");
                  PressKey(Qt::Key_Return);
              });
    EXPECT_EQ(CurrentBook()->GetName(), "Keys");

    Window().activateWindow(); // the desktop's part once the dialog is gone
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &Window(); }));
    EXPECT_EQ(QApplication::focusWidget(), Window().GetBookView()); // where it was
}

TEST_F(MainWindowKeysTest, PageKeysTurnTheBookFromAnywhereAChildDoesNotUseThem) {
    Active();
    EXPECT_EQ(QApplication::focusWidget(), Window().GetBookView()); // the keys start there
    PressKey(Qt::Key_PageDown);
    EXPECT_EQ(PageIndex(), 2);
    EXPECT_TRUE(Actions().bookPreviousPage->isEnabled());
    QTest::keyClick(&Window(), Qt::Key_End); // the window itself
    EXPECT_EQ(PageIndex(), 19);
    EXPECT_FALSE(Actions().bookNextPage->isEnabled());
    Actions().bookPageView->trigger(); // one page at a time
    QTest::keyClick(&Window(), Qt::Key_PageUp);
    EXPECT_EQ(PageIndex(), 18);

    // A list uses Home itself.
    QComboBox* selector = Window().TemplateSelector();
    selector->setFocus();
    PressKey(Qt::Key_Home);
    EXPECT_EQ(selector->currentIndex(), 0);
    EXPECT_EQ(PageIndex(), 18);
    QTest::keyClick(&Window(), Qt::Key_Home);
    EXPECT_EQ(PageIndex(), 0);
}

TEST_F(MainWindowKeysTest, TypedTextKeepsItsKeysAndEscapeCommitsItFromAnywhere) {
    Active();
    TypeOnTheFirstPage("abc");
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_End, Qt::Key_Home})
        PressKey(key);
    EXPECT_EQ(PageIndex(), 0);
    PressKey(Qt::Key_X); // at the start of the line
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(Text().IsInitialized());
    EXPECT_EQ(Stored(CurrentBook()), "xabc");
    EXPECT_EQ(Stored(SavedBook()), "xabc");
    EXPECT_EQ(QApplication::focusWidget(), Window().GetBookView()); // back to the pages

    // Escape where a child has no use for it still ends the edit.
    TypeOnTheFirstPage("y");
    Window().TemplateSelector()->setFocus();
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(Text().IsInitialized());
    EXPECT_EQ(Stored(SavedBook()), "yxabc");
}

TEST_F(MainWindowKeysTest, HelpIntroductionTakesTheKeysAlsoWhenItWasOpenBehind) {
    Active();
    const auto activeIs = [](QWidget* window) {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    };
    Actions().helpIntroduction->trigger();
    auto* panel = Window().findChild<IntroductionPanel*>();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(activeIs(panel));
    Window().activateWindow(); // the user goes back to the book; the panel stays open
    ASSERT_TRUE(activeIs(&Window()));
    Actions().helpIntroduction->trigger();
    ASSERT_TRUE(activeIs(panel));
    EXPECT_EQ(QApplication::focusWidget(), panel->NotShowBox());
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
}

// As a user does it: a double click on the caption box opens the editor with
// the first click, the second lands on the editor below the (empty) text;
// the keys go into the text at once, and so after a click anywhere in it.
TEST_F(MainWindowKeysTest, TypingGoesIntoACaptionRightAfterItsDoubleClick) {
    Active();
    PageView* page = Window().GetBookView()->RightPageView();
    const QPoint box(page->MmToPixelX(30 + 115), page->MmToPixelY(180 + 20)); // near its bottom
    QTest::mouseClick(page, Qt::LeftButton, {}, box);
    ASSERT_TRUE(Text().IsInitialized());
    QWidget* text = Text().RichTextBox()->viewport();
    const QPoint onText = text->mapFromGlobal(page->mapToGlobal(box));
    ASSERT_TRUE(text->rect().contains(onText));
    QTest::mouseDClick(text, Qt::LeftButton, {}, onText);
    QTest::keyClicks(QApplication::focusWidget(), "Hello");
    QTest::qWait(QApplication::doubleClickInterval() + 50); // no third click of the double one
    QTest::mouseClick(text, Qt::LeftButton, {}, onText);
    QTest::keyClicks(QApplication::focusWidget(), " there");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(Text().IsInitialized());
    EXPECT_EQ(Stored(CurrentBook()), "Hello there");
}
