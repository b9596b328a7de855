#include "ui/editors/TextSelectionFormat.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// "plain BOLD red" in 10 pt DejaVu Sans; BOLD bold, red red and 20 pt.
void Fill(QTextDocument& document) {
    QFont font("DejaVu Sans");
    font.setPointSize(10);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    cursor.insertText("plain ");
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText("BOLD", bold);
    cursor.insertText(" ", QTextCharFormat());
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    red.setFontPointSize(20);
    cursor.insertText("red", red);
}

QTextCursor Select(QTextDocument& document, int from, int to) {
    QTextCursor cursor(&document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

TEST(TextSelectionFormat, UniformSelectionsGiveValuesMixedOnesNone) {
    QTextDocument document;
    Fill(document);
    const SelectionFormat plain = ReadSelectionFormat(Select(document, 0, 5));
    EXPECT_EQ(plain.bold, false);
    EXPECT_EQ(plain.italic, false);
    EXPECT_EQ(plain.underline, false);
    EXPECT_EQ(plain.family, QString("DejaVu Sans")); // the document's default
    EXPECT_EQ(plain.pointSize, 10.0);
    EXPECT_EQ(plain.color, QColor(0, 0, 0));
    EXPECT_EQ(plain.alignment, TextAlignment::Left);

    const SelectionFormat bold = ReadSelectionFormat(Select(document, 6, 10));
    EXPECT_EQ(bold.bold, true);

    const SelectionFormat mixed = ReadSelectionFormat(Select(document, 3, 14));
    EXPECT_FALSE(mixed.bold.has_value());
    EXPECT_FALSE(mixed.pointSize.has_value());
    EXPECT_FALSE(mixed.color.has_value());
    EXPECT_EQ(mixed.italic, false); // the same all through
    EXPECT_EQ(mixed.family, QString("DejaVu Sans"));

    // Without a selection: the character before the cursor.
    const SelectionFormat atRed = ReadSelectionFormat(Select(document, 13, 13));
    EXPECT_EQ(atRed.color, QColor(255, 0, 0));
    EXPECT_EQ(atRed.pointSize, 20.0);
}

TEST(TextSelectionFormat, SettersChangeTheSelectionOrWhatIsTypedNext) {
    QTextDocument document;
    Fill(document);
    QTextCursor cursor = Select(document, 0, 5);
    SetSelectionItalic(cursor, true);
    SetSelectionUnderline(cursor, true);
    SetSelectionFamily(cursor, "Liberation Serif");
    SetSelectionPointSize(cursor, 14);
    SetSelectionColor(cursor, QColor(0, 128, 0));
    const SelectionFormat changed = ReadSelectionFormat(Select(document, 0, 5));
    EXPECT_EQ(changed.italic, true);
    EXPECT_EQ(changed.underline, true);
    EXPECT_EQ(changed.family, QString("Liberation Serif"));
    EXPECT_EQ(changed.pointSize, 14.0);
    EXPECT_EQ(changed.color, QColor(0, 128, 0));
    EXPECT_EQ(ReadSelectionFormat(Select(document, 6, 10)).italic, false); // rest untouched

    // No selection: the cursor carries the format into the next typing.
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    SetSelectionBold(end, true);
    EXPECT_EQ(ReadSelectionFormat(end).bold, true);
    end.insertText("X");
    EXPECT_EQ(ReadSelectionFormat(Select(document, 14, 15)).bold, true);
    EXPECT_EQ(ReadSelectionFormat(Select(document, 11, 14)).bold, false);
}

TEST(TextSelectionFormat, AlignmentCoversEveryParagraphOfTheSelection) {
    QTextDocument document;
    document.setPlainText("one\ntwo\nthree");
    QTextCursor firstTwo = Select(document, 0, 5);
    SetSelectionAlignment(firstTwo, TextAlignment::Center);
    EXPECT_EQ(document.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(ReadSelectionFormat(Select(document, 1, 6)).alignment, TextAlignment::Center);
    EXPECT_FALSE(ReadSelectionFormat(Select(document, 1, 10)).alignment.has_value()); // mixed
    EXPECT_EQ(ReadSelectionFormat(Select(document, 9, 9)).alignment, TextAlignment::Left);

    QTextCursor last = Select(document, 9, 9);
    SetSelectionAlignment(last, TextAlignment::Right);
    EXPECT_EQ(ReadSelectionFormat(last).alignment, TextAlignment::Right);
    SetSelectionAlignment(last, TextAlignment::Justify);
    EXPECT_EQ(ReadSelectionFormat(last).alignment, TextAlignment::Justify);
}
