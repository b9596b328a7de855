#include "render/TextRender.h"

#include "render/TextOverflow.h"

#include "render/rtf/RtfWriter.h"

#include "render/rtf/RtfTestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// (block, first character, length) of every line of a laid-out document.
using LineRange = std::tuple<int, int, int>;

std::vector<LineRange> LinesOf(QTextDocument& document) {
    document.documentLayout()->documentSize(); // lays the document out
    std::vector<LineRange> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.emplace_back(block.blockNumber(), line.textStart(), line.textLength());
        }
    }
    return lines;
}

QString Rtf(const QString& font, int halfPoints, const QString& body) {
    return QString("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil %1;}}{\\colortbl ;\\red200\\green0"
                   "\\blue0;}\\uc1\\pard\\f0\\fs%2 %3\\par}")
        .arg(font)
        .arg(halfPoints)
        .arg(body);
}

const QString kLongText =
    "The quick brown fox jumps over the lazy dog, again and again, until the page is full of "
    "foxes and dogs and the printer runs out of ink. \\b Bold words\\b0  are wider; "
    "\\i italic\\i0  ones lean. \\fs31 A bigger run\\fs20  and a smaller one.\\par\\qc "
    "Centred second paragraph with several words to wrap.";
const QString kCjkText = "\\u20013?\\u25991?\\u25991?\\u23383?\\u30340?\\u25490?\\u29256?"
                         "\\u21644?\\u25442?\\u34892?\\u27979?\\u35797? mixed Latin words "
                         "\\u20013?\\u25991?\\u25991?\\u23383?\\u30340?\\u25490?\\u29256?"
                         "\\u21644?\\u25442?\\u34892?\\u27979?\\u35797?\\u12290?";

TEST(TextRenderTest, LayoutSizeIsThePrintResolutionOfTheBox) {
    EXPECT_EQ(TextLayoutSize(QSizeF(230, 25)), QSize(1956, 213));     // 1955.897, 212.5975
    EXPECT_EQ(TextLayoutSize(QSizeF(5, 7), 0.5f, 0.5f), QSize(2, 4)); // 2.5 and 3.5: halves to even
    EXPECT_EQ(TextLayoutSize(QSizeF(0, 100000)), QSize(1, 32767));
}

TEST(TextRenderTest, BoxPixelRectRoundsHalvesToEven) {
    EXPECT_EQ(BoxPixelRect(QRectF(0.5, 1.5, 2.5, 3.5), 1.0f, 1.0f), QRect(0, 2, 2, 4));
    const float sx = 290.0f / 289.0f;
    const float sy = 208.0f / 208.0f;
    EXPECT_EQ(BoxPixelRect(QRectF(30, 180, 230, 25), sx, sy), QRect(30, 180, 231, 25));
    EXPECT_EQ(BoxPixelRect(QRectF(0, 0, 289, 208), 8.5039f, 8.5039f), QRect(0, 0, 2458, 1769));
}

TEST(TextRenderTest, PrintLayoutTriplesSizes) {
    const QSize layout = TextLayoutSize(QSizeF(100, 30));
    const auto document = PrintLayoutDocument(Rtf("DejaVu Sans", 20, "x"), layout);
    EXPECT_DOUBLE_EQ(FormatAt(*document, 0).fontPointSize(), 30.0);
    EXPECT_EQ(document->textWidth(), layout.width());
    EXPECT_EQ(document->documentMargin(), 0);
    // without a size of its own, text counts as "\fs24"
    const auto plain = PrintLayoutDocument("{\\rtf1 x}", layout);
    EXPECT_DOUBLE_EQ(FormatAt(*plain, 0).fontPointSize(), 36.0);
    // 30 points at 96 dots per inch are 40 pixels
    QFont font("DejaVu Sans");
    font.setPixelSize(40);
    EXPECT_NEAR(document->size().height(), QFontMetricsF(font).height(), 1.0);
}

// The editor shows the stored sizes, the print layout tripled sizes; both
// must break lines in the same places, for every box width and script.
TEST(TextRenderTest, EditorAndPrintBreakLinesAlike) {
    const std::pair<QString, QString> texts[] = {
        {"DejaVu Sans", kLongText},
        {"Liberation Serif", kLongText},
        {"Noto Sans CJK SC", kCjkText},
        {"Noto Serif CJK TC", kCjkText + "\\par " + kLongText},
    };
    const RtfDefaults newText{"DejaVu Sans", 12};
    int wrapped = 0;
    for (const auto& [font, body] : texts) {
        for (int halfPoints : {16, 20, 27, 48}) {
            const QString rtf = Rtf(font, halfPoints, body);
            for (double widthMm : {40.0, 57.3, 73.3, 120.0, 230.0}) {
                const QSizeF box(widthMm, 30);
                const auto print = PrintLayoutDocument(rtf, TextLayoutSize(box));
                const auto editor = EditorDocument(rtf, box, newText);
                const auto printLines = LinesOf(*print);
                EXPECT_EQ(LinesOf(*editor), printLines) << font.toStdString() << " " << widthMm;
                EXPECT_DOUBLE_EQ(editor->size().height(), print->size().height());
                wrapped += printLines.size() > 3 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(wrapped, 40); // most cases wrap lines at all
}

TEST(TextRenderTest, EditorDocumentKeepsStoredSizesAndStartsNewTextInTheDefaultFont) {
    const QSizeF box(80, 20);
    const auto stored = EditorDocument(Rtf("DejaVu Sans", 20, "x"), box, {"Liberation Serif", 14});
    EXPECT_DOUBLE_EQ(FormatAt(*stored, 0).fontPointSize(), 10.0);
    EXPECT_EQ(stored->textWidth(), TextLayoutSize(box).width());

    const auto fresh = EditorDocument(QString(), box, NewTextDefaults("Liberation Serif", 14));
    EXPECT_TRUE(fresh->isEmpty());
    EXPECT_EQ(fresh->defaultFont().family(), "Liberation Serif");
    EXPECT_DOUBLE_EQ(fresh->defaultFont().pointSizeF(), 14.0);
    // what is typed there is stored in that font and size
    QTextCursor(fresh.get()).insertText("typed");
    const auto reread = EditorDocument(RtfWriter::Write(*fresh), box, {});
    EXPECT_EQ(FamilyOf(FormatAt(*reread, 0), *reread), "Liberation Serif");
    EXPECT_DOUBLE_EQ(FormatAt(*reread, 0).fontPointSize(), 14.0);

    EXPECT_DOUBLE_EQ(EditorDisplayScale(489, QSizeF(230, 25)), 489.0 / 1956.0);
    EXPECT_DOUBLE_EQ(NewTextDefaults("X", 0).pointSize, 12.0); // missing size
    EXPECT_EQ(NewTextDefaults("DejaVu Sans", 9).family, "DejaVu Sans");
}

QImage Striped(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, ((x / 3 + y / 5) % 2) ? qRgb(40, 160, 90) : qRgb(230, 230, 250));
    }
    return image;
}

// Columns of `image` in `area` that differ from `before`.
std::pair<int, int> InkColumns(const QImage& image, const QImage& before, const QRect& area) {
    int first = -1;
    int last = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (image.pixel(x, y) != before.pixel(x, y)) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

TEST(TextRenderTest, OnlyTheGlyphsCoverTheBoxAndNothingOutsideIt) {
    const QImage before = Striped(QSize(400, 200));
    QImage image = before;
    const QRect target(50, 40, 300, 60);
    const QString rtf = Rtf("DejaVu Sans", 20, "\\cf1 Short");
    {
        QPainter painter(&image);
        EXPECT_TRUE(DrawBoxText(painter, rtf, QSizeF(100, 20), target));
    }
    int changedOutside = 0;
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == before.pixel(x, y))
                continue;
            changedOutside += target.contains(x, y) ? 0 : 1;
            red += (qRed(pixel) > 150 && qGreen(pixel) < 60) ? 1 : 0;
        }
    }
    EXPECT_EQ(changedOutside, 0);
    EXPECT_GT(red, 50);
    // the short left-aligned word leaves the box's right part as it was
    const auto [first, last] = InkColumns(image, before, target);
    EXPECT_GE(first, target.left());
    EXPECT_LT(last, target.left() + target.width() / 2);
}

TEST(TextRenderTest, BlankTextDrawsNothing) {
    const QImage before = Striped(QSize(100, 60));
    for (const QString& rtf :
         {QString(), QString(" \r\n "), Rtf("DejaVu Sans", 20, "\\tab  \\line "),
          QString("{\\rtf1{\\*\\x hidden}}")}) {
        QImage image = before;
        QPainter painter(&image);
        EXPECT_FALSE(DrawBoxText(painter, rtf, QSizeF(50, 20), QRect(0, 0, 100, 60)));
        painter.end();
        EXPECT_EQ(image, before);
    }
}

TEST(TextRenderTest, AlignmentPlacesTheInk) {
    const QImage before = Striped(QSize(600, 80));
    const QRect target(0, 0, 600, 80);
    auto inkFor = [&](const char* alignment) {
        QImage image = before;
        QPainter painter(&image);
        DrawBoxText(painter, Rtf("DejaVu Sans", 20, QString(alignment) + " Word"), QSizeF(150, 20),
                    target);
        painter.end();
        return InkColumns(image, before, target);
    };
    const auto left = inkFor("\\ql");
    const auto centre = inkFor("\\qc");
    const auto right = inkFor("\\qr");
    EXPECT_LT(left.first, 10);
    EXPECT_GT(right.second, 590);
    EXPECT_NEAR((centre.first + centre.second) / 2.0, 300, 6);
}

// Counts bands of rows holding ink, separated by rows without any.
int InkBands(const QImage& image, const QImage& before) {
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = image.pixel(x, y) != before.pixel(x, y);
        bands += (ink && !inBand) ? 1 : 0;
        inBand = ink;
    }
    return bands;
}

// A page drawn small for the screen shows the lines of the print layout.
TEST(TextRenderTest, ScreenRenderingShowsThePrintLines) {
    // letters without ascenders or descenders keep the lines apart
    const QString body = "was an axe over more acres as names run scarce or worse"
                         " once more we use our arms over screams ever";
    const QString rtf = Rtf("DejaVu Sans", 20, body);
    const QSizeF box(60, 60);
    const QSize layout = TextLayoutSize(box);
    const int printLines = static_cast<int>(LinesOf(*PrintLayoutDocument(rtf, layout)).size());
    ASSERT_GT(printLines, 3);
    for (double scale : {1.0, 0.5, 0.3}) {
        const QSize size((layout.width() * scale), (layout.height() * scale));
        const QImage before(size, QImage::Format_RGB32);
        QImage blank = before;
        blank.fill(Qt::white);
        QImage image = blank;
        QPainter painter(&image);
        ASSERT_TRUE(DrawBoxText(painter, rtf, box, QRect(QPoint(0, 0), size)));
        painter.end();
        EXPECT_EQ(InkBands(image, blank), printLines) << scale;
    }
}

// The target's own resolution plays no part: only the layout's counts.
TEST(TextRenderTest, TargetResolutionDoesNotChangeTheResult) {
    const QString rtf = Rtf("Liberation Serif", 24, kLongText);
    QImage images[2];
    for (int i = 0; i < 2; ++i) {
        images[i] = QImage(400, 300, QImage::Format_RGB32);
        images[i].fill(Qt::white);
        const int dpi = i == 0 ? 72 : 300;
        images[i].setDotsPerMeterX(qRound(dpi / 0.0254));
        images[i].setDotsPerMeterY(qRound(dpi / 0.0254));
        QPainter painter(&images[i]);
        DrawBoxText(painter, rtf, QSizeF(90, 60), QRect(0, 0, 400, 300));
    }
    images[1].setDotsPerMeterX(images[0].dotsPerMeterX());
    images[1].setDotsPerMeterY(images[0].dotsPerMeterY());
    EXPECT_EQ(images[0], images[1]);
}

// A whole print document drawn as a box's text is drawn into an image of `size`.
QImage DrawnWhole(const QString& rtf, QSizeF box, QSize size) {
    const QSize layout = TextLayoutSize(box);
    const auto document = PrintLayoutDocument(rtf, layout);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(double(size.width()) / layout.width(), double(size.height()) / layout.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(QPointF(0, 0), layout);
    document->documentLayout()->draw(&painter, context);
    return image;
}

// A long text is read only as far as the box shows it: drawn, it must match
// the whole text drawn, and its cut lines must be those of the whole text.
TEST(TextRenderTest, ALongTextReadInPartDrawsAndCountsAsTheWholeText) {
    const QSizeF box(100, 30);
    const QSize size(425, 128);
    auto rtf = [](const QString& body) { return Rtf("DejaVu Sans", 24, body); };
    auto lineCount = [&](const QString& text) {
        return int(LinesOf(*PrintLayoutDocument(text, TextLayoutSize(box))).size());
    };
    auto paragraphs = [&](int n) {
        QStringList lines;
        for (int i = 1; i <= n; ++i)
            lines << QString("Line %1").arg(i);
        return rtf(lines.join("\\par "));
    };
    const int fit = 12 - CutLineCount(paragraphs(12), box); // lines the box holds
    const QString words =
        QString("summer by the \\cf1 lake\\cf0  with \\ul everyone\\ul0  ").repeated(900);
    const QString hebrew =
        QString("\\u1513?\\u1500?\\u1493?\\u1501? \\u1506?\\u1493?\\u1500?\\u1501? ").repeated(900);
    const QString numbers = QString("1234 5678 ").repeated(600);
    const QString blank = QString("\\line ").repeated(5000);
    struct Case {
        const char* name;
        QString rtf;
        int cut;
    };
    const Case cases[] = {
        {"fits", paragraphs(fit), 0},
        {"paragraphs", paragraphs(3000), 3000 - fit},
        {"justified at its end", rtf(words + "\\qj"), lineCount(rtf(words + "\\qj")) - fit},
        {"right to left", rtf(hebrew), lineCount(rtf(hebrew)) - fit},
        {"no direction before the cut", rtf(numbers + hebrew),
         lineCount(rtf(numbers + hebrew)) - fit},
        {"blank lines first", rtf(blank + words), lineCount(rtf(words))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BoxTextLayout layout(c.rtf, box);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        EXPECT_TRUE(layout.Draw(painter, image.rect()));
        painter.end();
        EXPECT_TRUE(image == DrawnWhole(c.rtf, box, size)) << "the pixels differ";
        EXPECT_EQ(layout.IsCut(), c.cut > 0);
        EXPECT_EQ(layout.CutLineCount(), c.cut);
    }
}

} // namespace
