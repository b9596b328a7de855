#include "RenderFixtures.h"

#include "imaging/FreeImageBridge.h"
#include "imaging/PaintSurface.h"
#include "render/PageRenderer.h"
#include "render/TextOverflow.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace RenderFixtures;

namespace {

// Paragraphs "Line 1" ... "Line n" at 12 points.
QString Lines(int n) {
    QStringList paragraphs;
    for (int i = 1; i <= n; ++i)
        paragraphs << QStringLiteral("Line %1").arg(i);
    return QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil DejaVu Sans;}}\\f0\\fs24 %1}")
        .arg(paragraphs.join(QStringLiteral("\\par ")));
}

bool IsYellow(QRgb pixel) { return pixel == qRgb(255, 255, 0); }

} // namespace

TEST(TextOverflow, CountsTheLinesBelowTheBox) {
    const QSizeF box(100, 30);
    EXPECT_EQ(CutLineCount(QString(), box), 0);
    EXPECT_EQ(CutLineCount(Rtf(QStringLiteral("Short")), box), 0);
    // Each further paragraph beyond the box is one more cut line.
    const int cut = CutLineCount(Lines(12), box);
    EXPECT_GT(cut, 0);
    EXPECT_EQ(CutLineCount(Lines(13), box), cut + 1);
    EXPECT_EQ(CutLineCount(Lines(14), box), cut + 2);
    // The lines that fit are those of 12 minus the cut ones.
    EXPECT_EQ(CutLineCount(Lines(12 - cut), box), 0);
    // A taller box holds them all; blank paragraphs below the box hide nothing.
    EXPECT_EQ(CutLineCount(Lines(12), QSizeF(100, 200)), 0);
    EXPECT_EQ(CutLineCount(Lines(12 - cut) + QStringLiteral("{\\par\\par\\par}"), box), 0);
}

TEST(TextOverflow, ALongWordWrapsIntoCutLinesInANarrowBox) {
    const QString text =
        Rtf(QStringLiteral("a few words that need several lines in a narrow box of the page"));
    EXPECT_EQ(CutLineCount(text, QSizeF(230, 25)), 0);
    EXPECT_GT(CutLineCount(text, QSizeF(30, 10)), 0);
}

// At 578 x 416 the box (40, 40, 100, 30) mm covers pixels (80, 80, 200, 60).
TEST(TextOverflow, OnlyTheEditingSurfaceMarksCutText) {
    PageRenderer renderer(QString(), QSizeF(kPageW, kPageH));
    const auto box = TextBox(40, 40, 100, 30);
    const QRect pixels(80, 80, 200, 60);
    const QRect rim(pixels.x(), pixels.y(), pixels.width(), 3);
    for (const bool cut : {false, true}) {
        SCOPED_TRACE(cut ? "cut" : "fits");
        PageSnapshot scene;
        scene.textBoxes.push_back(*box);
        scene.texts.push_back(cut ? Lines(20) : Lines(1));
        const QImage editing = renderer.Render(scene, QSize(578, 416), RenderMode::Editing);
        EXPECT_EQ(CountPixels(editing, rim, IsYellow), cut ? rim.width() * rim.height() : 0);
        const QImage thumbnail = renderer.Render(scene, QSize(578, 416), RenderMode::Thumbnail);
        EXPECT_EQ(CountPixels(thumbnail, thumbnail.rect(), IsYellow), 0);
        const QImage print = renderer.Render(scene, QSize(578, 416), RenderMode::Print);
        EXPECT_EQ(CountPixels(print, print.rect(), IsYellow), 0);
    }
}
