#include "ui/editors/TextBoxEditor.h"
#include "model/Book.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "model/Template.h"
#include "render/TextRender.h"
#include "render/rtf/RtfReader.h"
#include "render/rtf/RtfTestSupport.h"
#include "render/rtf/RtfWriter.h"
#include "ui/editors/BoxEditorFixture.h"
#include "ui/editors/TextBoxEditChoices.h"
#include "ui/editors/TextBoxEditMath.h"
#include "ui/editors/TextBoxEditView.h"
#include "ui/editors/TextBoxPalette.h"
#include "ui/editors/TextSelectionFormat.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

// The default text box (30, 180 mm, 230 x 25 mm) on a page shown at 2
// pixels per mm from (100, 80) of the view.
const QRect kBox(160, 440, 460, 50);

class TextBoxEditorTest : public BoxEditorFixture {
protected:
    void Open(TextBoxEditor& editor, int pageIndex = 0, int box = 0) {
        editor.Init(PageAt(pageIndex), box);
        editor.SetLocationAndSize(kBox.x(), kBox.y(), kBox.width(), kBox.height(), 578);
    }
    static QString StoredRtf(const QString& body) {
        return QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil DejaVu Sans;}}"
                              "{\\colortbl ;\\red255\\green0\\blue0;}\\pard\\fs24 %1\\par}")
            .arg(body);
    }
    static QTextCursor Selecting(TextBoxEditor& editor, int from, int to) {
        QTextCursor cursor = editor.RichTextBox()->TextCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor.RichTextBox()->SetTextCursor(cursor);
        return cursor;
    }
    static bool Pressed(const TextBoxEditor& editor, const char* key) {
        return editor.ToolbarButton(key)->isChecked();
    }
    static int LineCount(const QTextDocument& document) {
        int lines = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            lines += block.layout()->lineCount();
        return lines;
    }
};

} // namespace

TEST_F(TextBoxEditorTest, OpensOverTheBoxAtTheViewsZoomWithThePrintLines) {
    const QString text =
        StoredRtf("Along the river the old mill still turns, and in the evening light the water "
                  "shines like copper under the bridge where we stood that summer.");
    PageAt(0)->SetText(0, text);
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    EXPECT_FALSE(editor.IsInitialized());
    EXPECT_EQ(editor.PageId(), -1);
    Open(editor);
    ASSERT_TRUE(editor.IsInitialized());
    EXPECT_EQ(editor.PageId(), PageAt(0)->GetPageId());
    EXPECT_EQ(editor.TextBox(), PageAt(0)->Template()->TextBox(0));
    EXPECT_EQ(editor.TextBoxIndex(), 0);
    EXPECT_FALSE(editor.isHidden());

    // The text's inside covers the box; the toolbar stands above it, whole.
    TextBoxEditView* rich = editor.RichTextBox();
    const QRect inside(rich->viewport()->mapTo(&view, QPoint(0, 0)), rich->viewport()->size());
    EXPECT_EQ(inside, kBox);
    const QRect toolbar(editor.Toolbar()->mapTo(&view, QPoint(0, 0)), editor.Toolbar()->size());
    EXPECT_EQ(toolbar.bottom(), kBox.top() - 2);
    EXPECT_EQ(toolbar.size(), editor.Toolbar()->sizeHint());
    EXPECT_TRUE(editor.geometry().contains(toolbar));

    // Shown at the box's scale, broken into the lines of the print layout.
    const QSizeF boxMm(230, 25);
    EXPECT_DOUBLE_EQ(rich->DisplayScale(), EditorDisplayScale(kBox.width(), boxMm));
    const auto print = PrintLayoutDocument(text, TextLayoutSize(boxMm));
    EXPECT_GT(LineCount(*print), 1);
    EXPECT_EQ(LineCount(*rich->Document()), LineCount(*print));
    EXPECT_EQ(TextOf(*rich->Document()), TextOf(*print));
}

TEST_F(TextBoxEditorTest, ShowsTheTextWhereThePageRenderingDrawsIt) {
    const QString text =
        StoredRtf("{A summer by the sea: {\\b waves}, {\\i sand} and long evenings "
                  "on the terrace watching the boats come home.}");
    PageAt(0)->SetText(0, text);
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    QImage rendered(kBox.size(), QImage::Format_RGB32);
    rendered.fill(Qt::white);
    QPainter painter(&rendered);
    ASSERT_TRUE(DrawBoxText(painter, text, QSizeF(230, 25), rendered.rect()));
    painter.end();
    const QImage shown = editor.RichTextBox()->viewport()->grab().toImage();
    ASSERT_EQ(shown.size(), rendered.size());
    // Dark pixels in the one picture that are not dark in the other, beside
    // the text cursor at the left: only the anti-aliasing may differ.
    int dark = 0;
    int different = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 3; x < shown.width(); ++x) {
            const bool inRendering = qGray(rendered.pixel(x, y)) < 128;
            const bool inEditor = qGray(shown.pixel(x, y)) < 128;
            dark += inRendering ? 1 : 0;
            different += inRendering != inEditor ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 500);
    EXPECT_LT(different, dark / 10);
}

TEST_F(TextBoxEditorTest, TypedAndFormattedTextIsStoredAsRtfTheReaderReadsBack) {
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    TextBoxEditView* rich = editor.RichTextBox();
    QTest::keyClicks(rich->viewport(), "Hello world");
    ASSERT_EQ(TextOf(*rich->Document()), "Hello world");

    Selecting(editor, 0, 5);
    editor.ToolbarButton("bold")->trigger();
    editor.ToolbarButton("underline")->trigger();
    QLineEdit* size = editor.FontSizeCombo()->lineEdit();
    size->selectAll();
    QTest::keyClicks(size, "20");
    QTest::keyClick(size, Qt::Key_Return);
    editor.ColorButton()->click();
    ASSERT_FALSE(editor.ColorPalette()->isHidden());
    QTest::mouseClick(editor.ColorPalette(), Qt::LeftButton, {}, PaletteCell(1, 1).center()); // red
    EXPECT_TRUE(editor.ColorPalette()->isHidden());
    Selecting(editor, 6, 11);
    editor.ToolbarButton("italic")->trigger();
    editor.ToolbarButton("alignCenter")->trigger();
    const std::vector<CharLook> edited = LookOf(*rich->Document());

    editor.Destroy();
    EXPECT_FALSE(editor.IsInitialized());
    const QString stored = PageAt(0)->text(0);
    EXPECT_TRUE(RtfReader::IsRtf(stored));
    const auto reread = RtfReader().Read(stored);
    EXPECT_EQ(TextOf(*reread), "Hello world");
    EXPECT_EQ(LookOf(*reread), edited);
    const std::vector<CharLook> look = LookOf(*reread);
    EXPECT_TRUE(look[0].bold && look[0].underline && !look[0].italic);
    EXPECT_DOUBLE_EQ(look[0].pointSize, 20.0);
    EXPECT_EQ(look[0].color, qRgb(255, 0, 0));
    EXPECT_EQ(look[0].family, "DejaVu Sans"); // the language's default font
    EXPECT_TRUE(look[6].italic && !look[6].bold);
    EXPECT_DOUBLE_EQ(look[6].pointSize, 12.0);
    EXPECT_EQ(look[6].alignment, Qt::AlignHCenter);
    EXPECT_EQ(SavedBook()->GetPage(0)->text(0), stored);
}

TEST_F(TextBoxEditorTest, TypingAfterAToolbarClickUsesTheNewFormat) {
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    TextBoxEditView* rich = editor.RichTextBox();
    QTest::keyClicks(rich->viewport(), "ab");
    editor.ToolbarButton("bold")->trigger();
    EXPECT_TRUE(Pressed(editor, "bold"));
    QTest::keyClicks(rich->viewport(), "CD");
    editor.FontCombo()->setCurrentText("Liberation Serif");
    emit editor.FontCombo()->textActivated("Liberation Serif");
    QTest::keyClicks(rich->viewport(), "e");
    editor.Destroy();
    const std::vector<CharLook> look = LookOf(*RtfReader().Read(PageAt(0)->text(0)));
    ASSERT_EQ(look.size(), 6u);
    EXPECT_FALSE(look[1].bold);
    EXPECT_TRUE(look[2].bold && look[3].bold && look[4].bold);
    EXPECT_EQ(look[3].family, "DejaVu Sans");
    EXPECT_EQ(look[4].family, "Liberation Serif");
}

TEST_F(TextBoxEditorTest, ToolbarFollowsTheSelection) {
    PageAt(0)->SetText(0, StoredRtf("plain {\\b bold} {\\i\\cf1\\fs40 big} {\\ul under}"));
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    Selecting(editor, 6, 10);
    EXPECT_TRUE(Pressed(editor, "bold"));
    EXPECT_FALSE(Pressed(editor, "italic"));
    EXPECT_TRUE(Pressed(editor, "alignLeft"));
    EXPECT_FALSE(Pressed(editor, "alignCenter"));
    EXPECT_EQ(editor.FontCombo()->currentText(), "DejaVu Sans");
    EXPECT_EQ(editor.FontSizeCombo()->currentText(), "12");

    Selecting(editor, 11, 14);
    EXPECT_FALSE(Pressed(editor, "bold"));
    EXPECT_TRUE(Pressed(editor, "italic"));
    EXPECT_EQ(editor.FontSizeCombo()->currentText(), "20");
    EXPECT_EQ(editor.ColorPicture()->Color(), QColor(255, 0, 0));

    // A mixed selection leaves what it cannot tell as it was.
    Selecting(editor, 0, 14);
    EXPECT_EQ(editor.FontSizeCombo()->currentText(), "20");
    EXPECT_EQ(editor.ColorPicture()->Color(), QColor(255, 0, 0));
    EXPECT_EQ(editor.FontCombo()->currentText(), "DejaVu Sans");

    Selecting(editor, 16, 16); // inside "under"
    EXPECT_TRUE(Pressed(editor, "underline"));
    EXPECT_EQ(editor.ColorPicture()->Color(), QColor(0, 0, 0));

    // Bold on a mixed selection makes all of it bold.
    Selecting(editor, 0, 10);
    editor.ToolbarClick("bold");
    EXPECT_TRUE(Pressed(editor, "bold"));
    editor.ToolbarClick("bold");
    EXPECT_FALSE(Pressed(editor, "bold"));
    editor.ToolbarClick("alignRight");
    EXPECT_TRUE(Pressed(editor, "alignRight"));
    EXPECT_FALSE(Pressed(editor, "alignLeft"));
}

TEST_F(TextBoxEditorTest, FormatKeysToggleTheSelectionBeforeTheWindowsShortcuts) {
    ShowView();
    QAction windowKey; // a window's shortcut on the same key must not take it
    windowKey.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    view.addAction(&windowKey);
    QSignalSpy windowShortcut(&windowKey, &QAction::triggered);
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    TextBoxEditView* rich = editor.RichTextBox();
    QTest::keyClicks(rich->viewport(), "Hello world");
    const std::tuple<Qt::Key, const char*, bool CharLook::*> keys[] = {
        {Qt::Key_B, "bold", &CharLook::bold},
        {Qt::Key_I, "italic", &CharLook::italic},
        {Qt::Key_U, "underline", &CharLook::underline}};
    for (const auto& [key, name, attribute] : keys) {
        SCOPED_TRACE(name);
        Selecting(editor, 0, 5);
        for (const bool on : {true, false}) {
            QTest::keyClick(rich->viewport(), key, Qt::ControlModifier);
            EXPECT_EQ(Pressed(editor, name), on);
            const std::vector<CharLook> look = LookOf(*rich->Document());
            ASSERT_EQ(look.size(), 12u); // with the paragraph's end
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(look[i].*attribute, on) << i;
            EXPECT_FALSE(look[6].*attribute); // beyond the selection
        }
    }
    EXPECT_EQ(TextOf(*rich->Document()), "Hello world"); // no letter typed
    EXPECT_EQ(windowShortcut.count(), 0);

    // At the cursor the key sets what is typed next.
    Selecting(editor, 11, 11);
    QTest::keyClick(rich->viewport(), Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(rich->viewport(), "!");
    const std::vector<CharLook> look = LookOf(*rich->Document());
    ASSERT_EQ(look.size(), 13u);
    EXPECT_EQ(look[11].character, '!');
    EXPECT_TRUE(look[11].italic);
    EXPECT_FALSE(look[10].italic);
}

TEST_F(TextBoxEditorTest, DoneStoresTheTextSavesTheBookAndCloses) {
    PageAt(0)->SetText(0, StoredRtf("before"));
    CurrentBook()->SaveBook();
    BookSession& history = manager.Session();
    const int steps = history.Stack().count();
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    auto* done =
        qobject_cast<QToolButton*>(editor.Toolbar()->widgetForAction(editor.ToolbarButton("ok")));
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->text(), "Done");
    EXPECT_EQ(done->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_FALSE(done->isCheckable());
    EXPECT_TRUE(editor.mask().contains(done->geometry())); // takes clicks, whole
    QTest::keyClick(editor.RichTextBox()->viewport(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor.RichTextBox()->viewport(), " after");
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_FALSE(editor.IsInitialized());
    EXPECT_TRUE(editor.isHidden());
    EXPECT_EQ(TextOf(*RtfReader().Read(PageAt(0)->text(0))), "before after");
    EXPECT_EQ(SavedBook()->GetPage(0)->text(0), PageAt(0)->text(0));
    EXPECT_EQ(history.Stack().count(), steps + 1);
    EXPECT_EQ(history.Stack().undoText(), "Edit Text");
    history.Stack().undo();
    EXPECT_EQ(TextOf(*RtfReader().Read(SavedBook()->GetPage(0)->text(0))), "before");
}

TEST_F(TextBoxEditorTest, PaletteTogglesPreviewsAndHidesOnAPressInTheText) {
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    TextBoxPalette* palette = editor.ColorPalette();
    editor.ColorButton()->click();
    ASSERT_FALSE(palette->isHidden());
    const QSize bar = editor.Toolbar()->sizeHint();
    EXPECT_EQ(palette->pos(), PalettePosition(bar, palette->size()));
    EXPECT_TRUE(editor.mask().contains(palette->geometry())); // takes clicks
    editor.ColorButton()->click();
    EXPECT_TRUE(palette->isHidden());

    QTest::mouseClick(editor.ColorPicture(), Qt::LeftButton);
    ASSERT_FALSE(palette->isHidden());
    QTest::mouseMove(palette, PaletteCell(2, 4).center());
    EXPECT_EQ(editor.ColorPicture()->Color(), QColor(0, 64, 64));
    QTest::mouseMove(palette, QPoint(2, 2)); // the margin: no preview
    EXPECT_EQ(editor.ColorPicture()->Color(), QColor(0, 64, 64));
    QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(21, 30)); // between cells: stays open
    EXPECT_FALSE(palette->isHidden());

    TextBoxEditView* rich = editor.RichTextBox();
    QTest::mouseClick(rich->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(palette->isHidden());
    // Below the text the editor lets clicks through again.
    EXPECT_FALSE(editor.mask().contains(
        QPoint(palette->geometry().center().x(), palette->geometry().bottom())));
}

TEST_F(TextBoxEditorTest, FontListAndSizes) {
    EXPECT_EQ(TextBoxEditor(&view, manager, strings).FontCombo()->count(), 0); // filled when shown
    // A default font the system lacks is offered all the same.
    strings.ApplyLanguageLine("cTextControlDefaultFont=Arial");
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    QStringList fonts;
    for (int i = 0; i < editor.FontCombo()->count(); ++i)
        fonts << editor.FontCombo()->itemText(i);
    EXPECT_EQ(fonts, EditorFontNames("Arial"));
    EXPECT_TRUE(fonts.contains("Arial"));
    EXPECT_EQ(editor.FontCombo()->currentText(), "Arial"); // new text's font
    EXPECT_EQ(editor.FontCombo()->itemText(editor.FontCombo()->currentIndex()), "Arial");
    QStringList sizes;
    for (int i = 0; i < editor.FontSizeCombo()->count(); ++i)
        sizes << editor.FontSizeCombo()->itemText(i);
    EXPECT_EQ(sizes, EditorFontSizes());
    // The open list shows its longest name whole.
    QFontMetrics metrics(editor.FontCombo()->view()->font());
    int longest = 0;
    for (const QString& font : fonts)
        longest = std::max(longest, metrics.horizontalAdvance(font));
    EXPECT_GE(editor.FontCombo()->view()->minimumWidth(), longest);
}

TEST_F(TextBoxEditorTest, ListsOpenAtTheSelectionsFontAndSize) {
    PageAt(0)->SetText(
        0, StoredRtf("{\\fs40 twenty} {\\fs23 odd} {\\f1 serif}")
               .replace("DejaVu Sans;}", "DejaVu Sans;}{\\f1\\fnil Liberation Serif;}"));
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    QComboBox* fonts = editor.FontCombo();
    QComboBox* sizes = editor.FontSizeCombo();
    const auto current = [](const QComboBox* combo) {
        return combo->currentIndex() < 0 ? QString() : combo->itemText(combo->currentIndex());
    };
    for (const auto& [from, size, family] :
         {std::tuple{1, "20", "DejaVu Sans"}, std::tuple{7, "", "DejaVu Sans"},
          std::tuple{12, "12", "Liberation Serif"}, std::tuple{0, "20", "DejaVu Sans"}}) {
        SCOPED_TRACE(from);
        Selecting(editor, from, from + 2);
        const SelectionFormat format = ReadSelectionFormat(editor.RichTextBox()->TextCursor());
        ASSERT_TRUE(format.pointSize && format.family);
        // The entry the list opens at is the selection's.
        EXPECT_EQ(current(sizes), size);
        EXPECT_EQ(sizes->currentText(), QString::number(*format.pointSize));
        EXPECT_EQ(current(fonts), family);
        EXPECT_EQ(current(fonts), *format.family);
    }
    // A size the list lacks shows only in the edit line.
    Selecting(editor, 7, 9);
    EXPECT_EQ(sizes->currentText(), "11.5");
    EXPECT_EQ(sizes->currentIndex(), -1);
    // The open list shows the selection's entry, not the list's first.
    Selecting(editor, 1, 3);
    sizes->showPopup();
    EXPECT_EQ(sizes->view()->currentIndex().data().toString(), "20");
    sizes->hidePopup();
}

TEST_F(TextBoxEditorTest, UntouchedTextComesBackAsItWasEmptiedTextAsNothing) {
    const QString foreign = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs30\\kerning1 Kept}";
    PageAt(0)->SetText(0, foreign);
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    editor.Destroy();
    EXPECT_EQ(PageAt(0)->text(0), foreign);

    Open(editor);
    QTest::keyClick(editor.RichTextBox()->viewport(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor.RichTextBox()->viewport(), Qt::Key_Delete);
    editor.Destroy();
    EXPECT_EQ(PageAt(0)->text(0), QString());
    EXPECT_TRUE(PageAt(0)->IsEmptyPage());
}

TEST_F(TextBoxEditorTest, ClosingEventsStoreTheTextAndSaveTheBook) {
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    const std::shared_ptr<Page> edited = PageAt(0);
    const std::vector<std::pair<const char*, std::function<void()>>> closers = {
        {"destroy", [&] { editor.Destroy(); }},
        {"page index", [&] { manager.Session().ShowPage(4); }},
        {"template",
         [&] { edited->SetTemplate(TestTemplate("Photo[0,0,289,208,0]Text[30,180,230,25,0]")); }},
        {"quit", [&] { manager.Quit(); }},
        {"escape", [&] { QTest::keyClick(editor.RichTextBox()->viewport(), Qt::Key_Escape); }},
        {"second init", [&] { editor.Init(PageAt(3), 0); }},
    };
    int round = 0;
    for (const auto& [name, close] : closers) {
        SCOPED_TRACE(name);
        Open(editor);
        const QString typed = QStringLiteral("round%1 ").arg(++round);
        QTest::keyClicks(editor.RichTextBox()->viewport(), typed);
        QSignalSpy changed(edited.get(), &Page::changed);
        close();
        EXPECT_GE(changed.count(), 1);
        EXPECT_TRUE(RtfReader().Read(edited->text(0))->toPlainText().startsWith(typed.trimmed()));
        EXPECT_EQ(SavedBook()->GetPage(0)->text(0), edited->text(0));
    }
    EXPECT_TRUE(editor.IsInitialized()); // on page 3 after the second init
    EXPECT_EQ(editor.PageId(), PageAt(3)->GetPageId());
    editor.Destroy();
    EXPECT_EQ(editor.TextBoxIndex(), -1);
    EXPECT_EQ(editor.TextBox(), nullptr);
}

TEST_F(TextBoxEditorTest, WithoutSaveTheTextStillReachesThePage) {
    ShowView();
    TextBoxEditor editor(&view, manager, strings);
    Open(editor);
    QTest::keyClicks(editor.RichTextBox()->viewport(), "kept");
    editor.DestroyWithoutSave();
    EXPECT_FALSE(editor.IsInitialized());
    EXPECT_EQ(RtfReader().Read(PageAt(0)->text(0))->toPlainText(), "kept");
    EXPECT_FALSE(StateFileExists()); // the untitled book was never written

    // Switching books writes the book being left, unless it was deleted.
    const QString first = CurrentBook()->GetName();
    Open(editor);
    QTest::keyClicks(editor.RichTextBox()->viewport(), "more ");
    ASSERT_EQ(manager.NewBook("Second"), BookNameCheck::Accepted);
    EXPECT_FALSE(editor.IsInitialized());
    EXPECT_EQ(RtfReader().Read(SavedBook(first)->GetPage(0)->text(0))->toPlainText(), "more kept");

    const QString secondFolder = CurrentBook()->GetBookFolder();
    Open(editor);
    QTest::keyClicks(editor.RichTextBox()->viewport(), "gone");
    manager.DeleteBook();
    EXPECT_FALSE(editor.IsInitialized());
    EXPECT_FALSE(QDir(secondFolder).exists());
}
