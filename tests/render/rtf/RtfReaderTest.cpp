#include "render/rtf/RtfReader.h"

#include "RtfTestSupport.h"
#include "render/rtf/RtfCodePage.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString PlainOf(const QString& rtf) { return TextOf(*RtfReader().Read(rtf)); }

// Saved by a word processor on an English system.
const QString kWordPadSample = QStringLiteral(
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\sa200\\sl276\\slmult1"
    "\\lang9\\b\\f0\\fs22 Bold\\b0  and \\i italic\\i0  and \\ul under\\ulnone\\par\r\n"
    "\\pard\\qc\\cf1\\f1\\fs32 Red centred\\cf0\\par\r\n"
    "\\pard\\qr\\cf2\\fs20 blue right\\tab tab\\line next\\cf0\\par\r\n"
    "}\r\n");

TEST(RtfReaderTest, ReadsWordPadDocument) {
    const auto document = RtfReader().Read(kWordPadSample);
    ASSERT_EQ(document->blockCount(), 3); // the final \par adds no empty paragraph
    EXPECT_EQ(TextOf(*document),
              QString("Bold and italic and under\nRed centred\nblue right\ttab") +
                  QChar(QChar::LineSeparator) + "next");

    const QTextCharFormat bold = FormatAt(*document, 0);
    EXPECT_EQ(FamilyOf(bold, *document), "Arial");
    EXPECT_DOUBLE_EQ(bold.fontPointSize(), 11.0);
    EXPECT_EQ(bold.fontWeight(), QFont::Bold);
    EXPECT_FALSE(bold.fontItalic());
    const QTextCharFormat italic = FormatAt(*document, 9);
    EXPECT_TRUE(italic.fontItalic());
    EXPECT_EQ(italic.fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatAt(*document, 20).fontUnderline());

    const QTextBlock red = document->findBlockByNumber(1);
    EXPECT_EQ(red.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat redFormat = FormatAt(*document, red.position());
    EXPECT_EQ(redFormat.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FamilyOf(redFormat, *document), "Times New Roman");
    EXPECT_DOUBLE_EQ(redFormat.fontPointSize(), 16.0);

    const QTextBlock blue = document->findBlockByNumber(2);
    EXPECT_EQ(blue.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(FormatAt(*document, blue.position()).foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(document->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
}

TEST(RtfReaderTest, PlainResetsAndGroupsRestoreFormatting) {
    const auto document =
        RtfReader().Read(u"{\\rtf1{\\fonttbl{\\f0 DejaVu Sans;}{\\f1 Liberation Serif;}}"
                         u"\\f1\\fs40\\b\\i\\ul A{\\b0\\fs20 B}C\\plain D}");
    EXPECT_EQ(document->toPlainText(), "ABCD");
    const QTextCharFormat a = FormatAt(*document, 0);
    const QTextCharFormat b = FormatAt(*document, 1);
    const QTextCharFormat c = FormatAt(*document, 2);
    const QTextCharFormat d = FormatAt(*document, 3);
    EXPECT_EQ(a.fontWeight(), QFont::Bold);
    EXPECT_EQ(b.fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(b.fontPointSize(), 10.0);
    EXPECT_EQ(c, a);
    EXPECT_DOUBLE_EQ(d.fontPointSize(), 12.0);
    EXPECT_FALSE(d.fontItalic() || d.fontUnderline() || d.fontWeight() == QFont::Bold);
    EXPECT_EQ(FamilyOf(d, *document), "DejaVu Sans"); // \plain falls back to \deff0
}

TEST(RtfReaderTest, ParagraphsTakeTheAlignmentInEffectAtTheirEnd) {
    const auto document =
        RtfReader().Read(u"{\\rtf1\\pard\\qc one\\par\\pard two\\par\\qj three\\par\\qr four}");
    ASSERT_EQ(document->blockCount(), 4);
    const Qt::Alignment expected[] = {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignJustify,
                                      Qt::AlignRight};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(document->findBlockByNumber(i).blockFormat().alignment() &
                      Qt::AlignHorizontal_Mask,
                  expected[i])
            << i;
    }
}

TEST(RtfReaderTest, EmptyParagraphsKeepTheirSize) {
    const auto document =
        RtfReader().Read(u"{\\rtf1\\fs20 A\\par\\fs60\\par\\par\\fs20 B\\par\\par}");
    EXPECT_EQ(document->toPlainText(), "A\n\n\nB\n");
    EXPECT_DOUBLE_EQ(document->findBlockByNumber(1).charFormat().fontPointSize(), 30.0);
    EXPECT_DOUBLE_EQ(document->findBlockByNumber(2).charFormat().fontPointSize(), 30.0);
}

TEST(RtfReaderTest, EscapesAndSpecialCharacters) {
    EXPECT_EQ(PlainOf(u"{\\rtf1 a\\\\b\\{c\\}d}"_qs), "a\\b{c}d");
    EXPECT_EQ(PlainOf(u"{\\rtf1 x\\~y\\-z\\_w}"_qs),
              QString("x") + QChar(0xA0) + "yz" + QChar(0x2011) + "w");
    EXPECT_EQ(PlainOf(u"{\\rtf1 \\ldblquote q\\rdblquote\\emdash\\bullet}"_qs),
              QString::fromUtf16(u"\u201Cq\u201D\u2014\u2022"));
    // the blank after a control word delimits it; a second blank is text
    EXPECT_EQ(PlainOf(u"{\\rtf1 \\b  x\\b0\r\ny}"_qs), " xy");
}

TEST(RtfReaderTest, DecodesHexBytesInTheDocumentCodePage) {
    // 1252
    EXPECT_EQ(PlainOf(u"{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80 \\'93q\\'94}"_qs),
              QString::fromUtf16(u"caf\u00e9 \u20ac \u201cq\u201d"));
    // 936, font name and text, with line breaks between the bytes
    const auto gbk = RtfReader().Read(
        u"{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 "
        u"\\'cb\\'ce\\'cc\\'e5;}}"
        u"\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18\\'d6\\'d0\r\n\\'ce\\'c4\\par}");
    EXPECT_EQ(gbk->toPlainText(), QString::fromUtf16(u"\u4e2d\u6587"));
    EXPECT_EQ(FamilyOf(FormatAt(*gbk, 0), *gbk), QString::fromUtf16(u"\u5b8b\u4f53"));
    // 950, with second bytes written as plain letters
    const auto big5 = RtfReader().Read(
        u"{\\rtf1\\ansi\\ansicpg950\\deff0{\\fonttbl{\\f0\\fnil\\fcharset136 \\'b7s\\'b2\\'d3"
        u"\\'a9\\'fa\\'c5\\'e9;}}\\f0 \\'a4\\'a4\\'a4\\'e5 \\'c1c\\'c5\\'e9\\'a6r}");
    EXPECT_EQ(big5->toPlainText(), QString::fromUtf16(u"\u4e2d\u6587 \u7e41\u9ad4\u5b57"));
    EXPECT_EQ(FamilyOf(FormatAt(*big5, 0), *big5), QString::fromUtf16(u"\u65b0\u7d30\u660e\u9ad4"));
}

TEST(RtfReaderTest, LongRunsOfDoubleByteCharactersDecodeWhole) {
    // 100 000 characters of code page 932 whose second halves are plain
    // letters, then a first half followed by a byte that is a second half
    // although it could start a character, a letter, and a two-byte character.
    constexpr int cPairs = 100000;
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg932\\deff0 ");
    rtf.reserve(rtf.size() + cPairs * 5 + 32);
    for (int i = 0; i < cPairs; ++i)
        rtf += QLatin1String("\\'81a");
    rtf += QLatin1String("\\'81\\'81a\\'82\\'a0}");
    const QString pair = DecodeCodePage("\x81"
                                        "a",
                                        932);
    ASSERT_EQ(pair.size(), 1);
    ASSERT_NE(pair, QString(QChar::ReplacementCharacter));
    ASSERT_EQ(DecodeCodePage("\x82\xa0", 932), QString::fromUtf16(u"\u3042"));
    const QString expected = pair.repeated(cPairs) + DecodeCodePage("\x81\x81", 932) +
                             QLatin1Char('a') + QString::fromUtf16(u"\u3042");
    const QString read = PlainOf(rtf);
    EXPECT_EQ(read.size(), expected.size());
    EXPECT_TRUE(read == expected)
        << "first difference at "
        << std::mismatch(read.begin(), read.end(), expected.begin(), expected.end()).first -
               read.begin();
}

TEST(RtfReaderTest, FontCharsetDecidesOverTheDocumentCodePage) {
    // an English document with a Chinese font
    const QString rtf =
        u"{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset134 SimSun;}}"
        u"\\f0 \\'e9{\\f1\\'d6\\'d0}\\'e9}"_qs;
    EXPECT_EQ(PlainOf(rtf), QString::fromUtf16(u"\u00e9\u4e2d\u00e9"));
}

TEST(RtfReaderTest, UnicodeCharactersSkipTheirFallbacks) {
    // \uc1 is the default: one fallback character
    EXPECT_EQ(PlainOf(u"{\\rtf1 \\u20013?\\u25991?}"_qs), QString::fromUtf16(u"\u4e2d\u6587"));
    // \uc0: nothing is skipped
    EXPECT_EQ(PlainOf(u"{\\rtf1\\uc0 \\u20013 x\\u25991?}"_qs),
              QString::fromUtf16(u"\u4e2dx\u6587?"));
    // \uc2: two bytes of the code page version are skipped
    EXPECT_EQ(PlainOf(u"{\\rtf1\\ansicpg936\\uc2 \\u20013\\'d6\\'d0 after}"_qs),
              QString::fromUtf16(u"\u4e2d after"));
    // a fallback may be a hex byte or a control symbol
    EXPECT_EQ(PlainOf(u"{\\rtf1 \\u8364\\'80|\\u8212\\~|}"_qs),
              QString::fromUtf16(u"\u20ac|\u2014|"));
    // negative values are signed 16-bit; surrogate halves combine
    EXPECT_EQ(PlainOf(u"{\\rtf1 \\u-25900?\\u-10179?\\u-8704?}"_qs),
              QString::fromUtf16(u"\u9ad4\U0001F600"));
    // \ucN belongs to its group; a group's end stops skipping
    EXPECT_EQ(PlainOf(u"{\\rtf1{\\uc2 \\u20013 ab}\\u20013 ab{\\u20013}c}"_qs),
              QString::fromUtf16(u"\u4e2d\u4e2db\u4e2dc"));
}

TEST(RtfReaderTest, SkipsDestinationsAndUnknownWords) {
    EXPECT_EQ(PlainOf(u"{\\rtf1{\\*\\unknown secret {nested}}\\foo12 visible"
                      u"{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}}"_qs),
              "visible");
    EXPECT_EQ(PlainOf(u"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}"_qs), "link");
    // binary data may hold braces and backslashes
    EXPECT_EQ(PlainOf(u"{\\rtf1{\\pict\\bin5 }}{\\{}ok}"_qs), "ok");
}

TEST(RtfReaderTest, TextThatIsNotRtfIsPlainText) {
    const auto document = RtfReader().Read(u"first line\nsecond {line}");
    EXPECT_EQ(document->blockCount(), 2);
    EXPECT_EQ(document->toPlainText(), "first line\nsecond {line}");
    EXPECT_TRUE(RtfReader::IsRtf(u"  {\\rtf1}"));
    EXPECT_FALSE(RtfReader::IsRtf(u"{\\rt"));
    EXPECT_TRUE(RtfReader().Read(u"")->isEmpty());
}

TEST(RtfReaderTest, DefaultsApplyToTextWithoutFontOrSize) {
    const auto document =
        RtfReader(RtfDefaults{"Liberation Serif", 7.5}).Read(u"{\\rtf1 x\\fs30 y}");
    EXPECT_EQ(FamilyOf(FormatAt(*document, 0), *document), "Liberation Serif");
    EXPECT_DOUBLE_EQ(FormatAt(*document, 0).fontPointSize(), 7.5);
    EXPECT_DOUBLE_EQ(FormatAt(*document, 1).fontPointSize(), 15.0);
    EXPECT_DOUBLE_EQ(document->defaultFont().pointSizeF(), 7.5);
}

TEST(RtfReaderTest, MalformedInputIsReadAsFarAsItMakesSense) {
    EXPECT_EQ(PlainOf(u"{\\rtf1 a}}}b"_qs), "a");        // text after the document's end
    EXPECT_EQ(PlainOf(u"{\\rtf1 {\\b bold"_qs), "bold"); // groups never closed
    EXPECT_EQ(PlainOf(u"{\\rtf1 abc\\"_qs), "abc");      // truncated escapes
    EXPECT_EQ(PlainOf(u"{\\rtf1 abc\\'4"_qs), "abc");
    EXPECT_EQ(PlainOf(u"{\\rtf1 abc\\'"_qs), "abc");
    EXPECT_EQ(PlainOf(u"{\\rtf1 a\\'zzb\\'4zc}"_qs), "azzbzc");
    EXPECT_EQ(PlainOf(u"{\\rtf1 abc\\par"_qs), "abc");
    EXPECT_EQ(PlainOf(u"{\\rtf1 x\\u"_qs), "x");
    EXPECT_EQ(PlainOf(u"{\\rtf1{\\fonttbl{\\f0 Arial"_qs), "");

    const auto huge = RtfReader().Read(
        u"{\\rtf1\\ansicpg99999999999\\fs999999999999999999 a\\fs-5 b\\cf99999999 c"
        u"\\f-99999999999 d\\u99999999999 e\\uc99999999\\u65 fghijklmnopqrstuvwxyz}");
    // an out-of-range \u still skips its fallback ("e"); \ucN is capped at 16
    EXPECT_EQ(TextOf(*huge), "abcdAvwxyz");
    EXPECT_DOUBLE_EQ(FormatAt(*huge, 0).fontPointSize(), 1638.0);
    EXPECT_DOUBLE_EQ(FormatAt(*huge, 1).fontPointSize(), 1.0);
}

// A limit of 5 characters falls in the second paragraph ("cdefgh").
TEST(RtfReaderTest, ALimitEndsTheReadingInTheParagraphWhereItFalls) {
    const QString rtf = "{\\rtf1\\pard ab\\par\\pard cd\\b ef\\b0 gh\\qc\\par ij\\par}";
    struct Case {
        RtfReadLimit limit;
        QString text;
        bool reached;
    };
    for (const Case& c : {Case{{5, false}, "ab\ncde", true}, Case{{5, true}, "ab\ncdefgh", true},
                          Case{{-1, false}, "ab\ncdefgh\nij", false},
                          Case{{100, false}, "ab\ncdefgh\nij", false}}) {
        SCOPED_TRACE(c.text.toStdString());
        QTextDocument document;
        EXPECT_EQ(RtfReader().Read(rtf, document, c.limit), c.reached);
        EXPECT_EQ(TextOf(document), c.text);
        // the cut paragraph still takes the alignment of its end
        EXPECT_EQ(document.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignHCenter);
    }
    QTextDocument plain;
    EXPECT_TRUE(RtfReader().Read(u"one\ntwo\nthree", plain, {5, true}));
    EXPECT_EQ(plain.toPlainText(), "one\ntwo");
}

TEST(RtfReaderTest, DeepNestingIsCapped) {
    const int limit = RtfReader::kMaxDepth;
    const QString shallow =
        "{\\rtf1 " + QString(limit - 2, u'{') + "ok" + QString(limit - 2, u'}') + "}";
    EXPECT_EQ(PlainOf(shallow), "ok");
    const QString deep =
        "{\\rtf1 a" + QString(100000, u'{') + "deep\\}" + QString(100000, u'}') + "after}";
    EXPECT_EQ(PlainOf(deep), "aafter");
    EXPECT_EQ(PlainOf("{\\rtf1 " + QString(200000, u'{')), "");
}

} // namespace
