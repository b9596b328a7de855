#include "render/rtf/RtfWriter.h"

#include "render/rtf/RtfReader.h"

#include "RtfTestSupport.h"

#include <QFont>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QTextCharFormat Chars(const QString& family, double points, bool bold = false, bool italic = false,
                      bool underline = false, QColor color = QColor()) {
    QTextCharFormat format;
    format.setFontFamilies(QStringList{family});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontUnderline(underline);
    if (color.isValid())
        format.setForeground(color);
    return format;
}

QTextBlockFormat Aligned(Qt::Alignment alignment) {
    QTextBlockFormat format;
    format.setAlignment(alignment);
    return format;
}

// A document using everything the writer supports.
std::unique_ptr<QTextDocument> RichDocument() {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"))); // as the reader sets it
    QTextCursor cursor(document.get());
    cursor.setBlockFormat(Aligned(Qt::AlignLeft));
    cursor.insertText("Plain ", Chars("DejaVu Sans", 10));
    cursor.insertText("bold", Chars("DejaVu Sans", 10, true));
    cursor.insertText(" italic", Chars("DejaVu Sans", 10.5, false, true));
    cursor.insertText(" under", Chars("Liberation Serif", 10, false, false, true));
    cursor.insertText(" all", Chars("Liberation Serif", 36, true, true, true, QColor(255, 0, 0)));
    cursor.insertBlock(Aligned(Qt::AlignHCenter), Chars("Noto Sans CJK SC", 20));
    cursor.insertText(QString::fromUtf16(u"\u4e2d\u6587 caf\u00e9\t\u9ad4\u2028\U0001F600"),
                      Chars("Noto Sans CJK SC", 20, false, false, false, QColor(0, 0, 255)));
    cursor.insertText(" black", Chars("Noto Sans CJK SC", 20, false, false, false, Qt::black));
    cursor.insertBlock(Aligned(Qt::AlignRight), Chars("DejaVu Sans", 30));
    cursor.insertBlock(Aligned(Qt::AlignJustify), Chars("DejaVu Sans", 8));
    cursor.insertText("escapes \\ { } > ~ ; ?", Chars("DejaVu Sans", 8));
    cursor.insertBlock(Aligned(Qt::AlignLeft), Chars("Liberation Serif", 14));
    return document;
}

bool IsAscii(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > 0x7F)
            return false;
    }
    return true;
}

TEST(RtfWriterTest, RoundTripKeepsTextAndFormatting) {
    const auto original = RichDocument();
    const QString rtf = RtfWriter::Write(*original);
    const auto read = RtfReader().Read(rtf);
    EXPECT_EQ(TextOf(*read), TextOf(*original));
    const std::vector<CharLook> expected = LookOf(*original);
    const std::vector<CharLook> actual = LookOf(*read);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "character " << i;
    // writing what was read gives the same text again
    EXPECT_EQ(RtfWriter::Write(*read), rtf);
}

TEST(RtfWriterTest, OutputIsAsciiWithEscapes) {
    const QString rtf = RtfWriter::Write(*RichDocument());
    EXPECT_TRUE(IsAscii(rtf));
    EXPECT_FALSE(rtf.contains(u'>'));
    EXPECT_FALSE(rtf.contains(u'~'));
    EXPECT_TRUE(rtf.contains(u"\\'3e"));
    EXPECT_TRUE(rtf.contains(u"\\'7e"));
    EXPECT_TRUE(rtf.contains(u"\\u-25900?")); // signed 16-bit
    EXPECT_TRUE(rtf.contains(u"\\u20013?"));
    EXPECT_TRUE(rtf.contains(u"\\u-10179?\\u-8704?")); // surrogate halves
    EXPECT_TRUE(rtf.contains(u"\\\\ \\{ \\}"));
    EXPECT_TRUE(rtf.startsWith(u"{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl"));
    EXPECT_TRUE(rtf.endsWith(u"}"));
}

// ">" and "~" are the only ASCII characters that put a "+" into Base64, and
// only at byte positions 2, 5, 8, ...: try them at every position.
TEST(RtfWriterTest, Base64FormNeverHoldsAPlus) {
    for (int shift = 0; shift < 6; ++shift) {
        for (const char* special : {">", "~", ">~>~~>", "a>>b~~c"}) {
            QTextDocument document;
            const QString text = QString(shift, u'x') + QLatin1StringView(special) +
                                 QString(shift % 3, u'y') + QLatin1StringView(special);
            QTextCursor cursor(&document);
            cursor.insertText(text, Chars(QString(shift, u'z') + ">Font~" + special, 12));
            const QString rtf = RtfWriter::Write(document);
            EXPECT_FALSE(rtf.toLatin1().toBase64().contains('+')) << rtf.toStdString();
            const auto read = RtfReader().Read(rtf);
            EXPECT_EQ(TextOf(*read), text);
            EXPECT_EQ(FamilyOf(FormatAt(*read, 0), *read),
                      FamilyOf(FormatAt(document, 0), document));
        }
    }
}

TEST(RtfWriterTest, FontNamesWithRtfCharactersSurvive) {
    QTextDocument document;
    QTextCursor cursor(&document);
    const QString family = QString::fromUtf16(u"My;Font {x} \\ \u5b8b\u4f53");
    cursor.insertText("text", Chars(family, 12));
    const QString rtf = RtfWriter::Write(document);
    EXPECT_TRUE(IsAscii(rtf));
    const auto read = RtfReader().Read(rtf);
    EXPECT_EQ(FamilyOf(FormatAt(*read, 0), *read), family);
    EXPECT_EQ(TextOf(*read), "text");
}

TEST(RtfWriterTest, UnsetPropertiesComeFromTheDocumentFont) {
    QTextDocument document;
    document.setDefaultFont(QFont("Liberation Serif", 17));
    QTextCursor cursor(&document);
    cursor.insertText("plain");
    const auto read = RtfReader().Read(RtfWriter::Write(document));
    const QTextCharFormat format = FormatAt(*read, 0);
    EXPECT_EQ(FamilyOf(format, *read), "Liberation Serif");
    EXPECT_DOUBLE_EQ(format.fontPointSize(), 17.0);
    EXPECT_EQ(format.foreground().style(), Qt::NoBrush); // automatic colour stays automatic
}

TEST(RtfWriterTest, EmptyParagraphsAndEmptyDocuments) {
    QTextDocument empty;
    const auto readEmpty = RtfReader().Read(RtfWriter::Write(empty));
    EXPECT_EQ(readEmpty->blockCount(), 1);
    EXPECT_TRUE(readEmpty->isEmpty());

    QTextDocument lines;
    lines.setPlainText("\n\nmiddle\n\n");
    const auto read = RtfReader().Read(RtfWriter::Write(lines));
    EXPECT_EQ(read->blockCount(), 5);
    EXPECT_EQ(TextOf(*read), "\n\nmiddle\n\n");
}

TEST(RtfWriterTest, ControlCharactersAreDropped) {
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QString("a") + QChar(1) + QChar(0x7F) + QChar(0xFFFC) + "b");
    const QString rtf = RtfWriter::Write(document);
    EXPECT_FALSE(rtf.contains(QChar(1)));
    EXPECT_EQ(TextOf(*RtfReader().Read(rtf)), "ab");
}

} // namespace
