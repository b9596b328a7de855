#include "ui/editors/TextBoxEditMath.h"
#include "ui/editors/TextBoxEditChoices.h"

#include <QFontDatabase>
#include <QSet>

#include <gtest/gtest.h>

namespace {

constexpr QSize kToolbar(250, 28);
constexpr int kPaletteHeight = 84;

} // namespace

TEST(TextBoxEditMath, EditorOverAWideBox) {
    const TextEditorPlacement p =
        PlaceTextEditor(QRect(100, 200, 300, 120), kToolbar, kPaletteHeight, 800);
    EXPECT_EQ(p.editor, QRect(99, 171, 302, 28 + 120 + 2 + 84));
    EXPECT_EQ(p.richText, QRect(0, 28, 302, 122));
    // A box lower than the palette: room for the palette twice.
    const TextEditorPlacement low =
        PlaceTextEditor(QRect(100, 200, 300, 40), kToolbar, kPaletteHeight, 800);
    EXPECT_EQ(low.editor.height(), 28 + 2 * 84 + 2);
}

TEST(TextBoxEditMath, ToolbarCentredOverANarrowBoxInsideTheView) {
    // h = 300 - round(150 / 2) = 225; the editor starts one pixel before it.
    TextEditorPlacement p =
        PlaceTextEditor(QRect(300, 200, 100, 40), kToolbar, kPaletteHeight, 800);
    EXPECT_EQ(p.editor, QRect(224, 171, 250, 198));
    EXPECT_EQ(p.richText, QRect(75, 28, 102, 42));
    // Halves to even: 151 / 2 = 75.5 -> 76, 149 / 2 = 74.5 -> 74.
    EXPECT_EQ(
        PlaceTextEditor(QRect(300, 200, 100, 40), {251, 28}, kPaletteHeight, 800).editor.left(),
        223);
    EXPECT_EQ(
        PlaceTextEditor(QRect(300, 200, 100, 40), {249, 28}, kPaletteHeight, 800).editor.left(),
        225);
    // Clamped to the view's left ...
    p = PlaceTextEditor(QRect(10, 200, 50, 40), kToolbar, kPaletteHeight, 800);
    EXPECT_EQ(p.editor.left(), 0);
    EXPECT_EQ(p.richText.left(), 9);
    // ... and right edge.
    p = PlaceTextEditor(QRect(370, 200, 20, 40), kToolbar, kPaletteHeight, 400);
    EXPECT_EQ(p.editor.left(), 150);
    EXPECT_EQ(p.editor.left() + kToolbar.width(), 400);
    EXPECT_EQ(p.richText.left(), 219);
}

TEST(TextBoxEditMath, PlacementInvariantsOverManyBoxes) {
    const int viewWidth = 900;
    for (int x = 0; x <= 880; x += 29) {
        for (int w : {10, 100, 247, 248, 249, 500}) {
            const QRect box(x, 300, w, 60);
            const TextEditorPlacement p = PlaceTextEditor(box, kToolbar, kPaletteHeight, viewWidth);
            SCOPED_TRACE(testing::Message() << x << " w " << w);
            // The frame's inside covers the box; toolbar and frame fit the editor.
            EXPECT_EQ(p.richText.translated(p.editor.topLeft()).adjusted(1, 1, -1, -1), box);
            EXPECT_TRUE(p.editor.contains(p.richText.translated(p.editor.topLeft())));
            EXPECT_GE(p.editor.width(), kToolbar.width());
            EXPECT_EQ(p.editor.top() + kToolbar.height(), box.top() - 1);
            if (box.right() < viewWidth && w + 2 < kToolbar.width()) {
                EXPECT_GE(p.editor.left(), -1);
                EXPECT_LE(p.editor.left() + kToolbar.width(), viewWidth);
            }
        }
    }
}

TEST(TextBoxEditMath, PaletteGridAndColours) {
    EXPECT_EQ(PaletteSize(), QSize(144, 84));
    EXPECT_EQ(PalettePosition(kToolbar, PaletteSize()), QPoint(53, 29));
    EXPECT_EQ(PaletteCell(0, 0), QRect(QPoint(4, 4), QPoint(19, 19)));
    EXPECT_EQ(PaletteCell(3, 6), QRect(QPoint(124, 64), QPoint(139, 79)));

    EXPECT_EQ(PaletteColorAt({4, 4}), QColor(0, 0, 0));
    EXPECT_EQ(PaletteColorAt({19, 19}), QColor(0, 0, 0));
    EXPECT_EQ(PaletteColorAt({30, 30}), QColor(255, 0, 0));     // row 2, column 2
    EXPECT_EQ(PaletteColorAt({130, 70}), QColor(255, 128, 64)); // row 4, column 7
    EXPECT_EQ(PaletteColorAt({90, 50}), QColor(0, 64, 64));     // row 3, column 5
    EXPECT_FALSE(PaletteColorAt({21, 10}).isValid());           // between cells
    EXPECT_FALSE(PaletteColorAt({10, 2}).isValid());            // margin
    EXPECT_FALSE(PaletteColorAt({143, 83}).isValid());
    EXPECT_FALSE(PaletteColorAt({-1, 10}).isValid());
    EXPECT_FALSE(PaletteColorAt({150, 10}).isValid()); // right of the grid

    const QColor corners[] = {PaletteColor(0, 0), PaletteColor(0, 6), PaletteColor(3, 0),
                              PaletteColor(3, 6)};
    EXPECT_EQ(corners[0], QColor(0, 0, 0));
    EXPECT_EQ(corners[1], QColor(128, 0, 255));
    EXPECT_EQ(corners[2], QColor(255, 255, 255));
    EXPECT_EQ(corners[3], QColor(255, 128, 64));
    EXPECT_EQ(PaletteColor(1, 4), QColor(255, 255, 128));
    EXPECT_EQ(PaletteColor(2, 0), QColor(192, 192, 192));
    QSet<QRgb> distinct;
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int column = 0; column < kPaletteColumns; ++column)
            distinct.insert(PaletteColor(row, column).rgb());
    }
    EXPECT_EQ(distinct.size(), 28);
    EXPECT_FALSE(PaletteColor(4, 0).isValid());
    EXPECT_FALSE(PaletteColor(0, 7).isValid());
}

TEST(TextBoxEditChoices, ThirtyFiveFontSizes) {
    const QStringList& sizes = EditorFontSizes();
    ASSERT_EQ(sizes.size(), 35);
    EXPECT_EQ(sizes.mid(0, 4), (QStringList{"4", "6", "8", "10"}));
    EXPECT_EQ(sizes.last(), "72");
    for (int i = 1; i < sizes.size(); ++i)
        EXPECT_EQ(sizes[i].toInt() - sizes[i - 1].toInt(), 2) << i;

    EXPECT_EQ(ParseEditorFontSize("12"), 12.0);
    EXPECT_EQ(ParseEditorFontSize(" 10.5 "), 10.5);
    for (const char* bad : {"", "abc", "0", "-4", "12pt", "nan"})
        EXPECT_FALSE(ParseEditorFontSize(bad).has_value()) << bad;
}

TEST(TextBoxEditChoices, FontListDropsSystemFontsAndSorts) {
    const QStringList screen = {"Terminal",  "b",        "System",  "@Fixedsys",
                                "@Noto CJK", "Arial",    "aRial",   "Fixedsys",
                                "Courier",   "Systemic", "@System", "@Terminal"};
    const QStringList names =
        ListableFontNames(screen, [](const QString& name) { return name != "Courier"; });
    EXPECT_EQ(names, (QStringList{"@Noto CJK", "Arial", "Systemic", "aRial", "b"}));
    EXPECT_TRUE(IsExcludedFontName("@Fixedsys"));
    EXPECT_FALSE(IsExcludedFontName("system")); // names compare exactly
    EXPECT_FALSE(IsExcludedFontName("@Noto CJK"));

    // The system's list: sorted, only scalable fonts, none excluded.
    const QStringList installed = EditorFontNames(QString());
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_TRUE(installed.contains("DejaVu Sans"));
    for (int i = 0; i < installed.size(); ++i) {
        EXPECT_TRUE(QFontDatabase::isScalable(installed[i])) << installed[i].toStdString();
        EXPECT_FALSE(IsExcludedFontName(installed[i]));
        if (i > 0) {
            EXPECT_LT(installed[i - 1], installed[i]);
        }
    }
}

TEST(TextBoxEditChoices, FontListNamesEachFamilyOnceWithoutItsFoundry) {
    EXPECT_EQ(FontFamilyName("C059 [urw]"), "C059");
    EXPECT_EQ(FontFamilyName("Standard Symbols PS [URW ]"), "Standard Symbols PS");
    EXPECT_EQ(FontFamilyName("DejaVu Sans"), "DejaVu Sans");
    EXPECT_EQ(FontFamilyName("Odd [name] here"), "Odd [name] here");
    EXPECT_EQ(FontFamilyName("[x]"), "[x]"); // nothing but a foundry stays

    const QStringList screen = {"P052 [urw]", "C059 [UKWN]",  "C059 [urw]", "Nimbus [a]",
                                "Nimbus [b]", "System [urw]", "Arial",      "Nimbus [c]"};
    QStringList asked;
    const QStringList names = ListableFontNames(
        screen,
        [&](const QString& name) {
            asked << name;
            return name != "Nimbus [a]"; // the next foundry's font still counts
        },
        "Noto Sans CJK SC");
    EXPECT_EQ(names, (QStringList{"Arial", "C059", "Nimbus", "Noto Sans CJK SC", "P052"}));
    EXPECT_TRUE(asked.contains("C059 [UKWN]"));
    // The default font is listed once, also when the system has it.
    EXPECT_EQ(ListableFontNames(
                  screen, [](const QString&) { return true; }, "Arial")
                  .count("Arial"),
              1);

    // The system's list: whole family names, each once, with the default.
    const QStringList installed = EditorFontNames("Arial");
    EXPECT_TRUE(installed.contains("Arial"));
    QStringList once = installed;
    EXPECT_EQ(once.removeDuplicates(), 0);
    for (const QString& name : installed)
        EXPECT_FALSE(name.contains('[') || name.contains(']')) << name.toStdString();
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isScalable(family) && !IsExcludedFontName(family))
            EXPECT_TRUE(installed.contains(FontFamilyName(family))) << family.toStdString();
    }
}
