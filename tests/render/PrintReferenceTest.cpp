#include "RenderFixtures.h"

#include "imaging/TestJpegs.h"
#include "model/PhotoImage.h"
#include "render/PageGeometry.h"
#include "render/PageRenderer.h"
#include "render/PageScene.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace RenderFixtures;

namespace {

// Five photos (600 x 450 with fine lines and text) placed in one box of a
// print page each, and the page an earlier renderer made of them
// (data/print-reference/pageN.png): every photo kind, zoomed, moved, turned.
struct ReferencePage {
    const char* kind;
    double x, y, width, height; // the box, mm
    float ratio;
    int angle;
    int offsetX, offsetY;
};

constexpr ReferencePage kPages[] = {
    {"plain", 40, 30, 40, 30, 1.0f, 0, 0, 0},
    {"EXIF orientation 6", 100, 50, 30, 40, 0.8f, 0, 30, -20},
    {"CMYK", 30, 30, 80, 60, 1.0f, 90, 0, 40},
    {"grey", 10, 10, 40, 30, 0.5f, 180, 100, 50},
    {"progressive", 150, 100, 50, 37.5, 0.9f, 270, -40, 10},
};

constexpr QSize kPrint{2458, 1769};

QString ReferenceFile(const QString& name) {
    return QStringLiteral(LUMBRA_RENDER_TEST_DATA "/print-reference/") + name;
}

} // namespace

TEST(PrintReference, PrintPagesKeepTheSharpnessAndGeometryOfTheReferencePages) {
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("book/"));
    QDir().mkpath(book);
    const PageRenderer renderer(dir.filePath(QStringLiteral("bg/")), QSizeF(kPageW, kPageH));
    for (int n = 1; n <= 5; ++n) {
        const ReferencePage& page = kPages[n - 1];
        SCOPED_TRACE(page.kind);
        const QString source = dir.filePath(QStringLiteral("photo%1.jpg").arg(n));
        ASSERT_TRUE(QFile::copy(ReferenceFile(QStringLiteral("photo%1.jpg").arg(n)), source));
        const auto box = PhotoBox(page.x, page.y, page.width, page.height);
        PhotoImage photo;
        photo.SetImage(source, book);
        ASSERT_TRUE(photo.IsSupportedFormat());
        photo.SetPhotoBox(box);
        photo.SetPlacement(page.offsetX, page.offsetY, page.ratio, page.angle);
        PageSnapshot snapshot;
        snapshot.photoBoxes.push_back(*box);
        snapshot.photos.push_back(photo.Placement());

        const QImage printed = renderer.Render(snapshot, kPrint, RenderMode::Print);
        const QImage reference(ReferenceFile(QStringLiteral("page%1.png").arg(n)));
        ASSERT_EQ(printed.size(), reference.size());
        // The box alone (the white rest of the page would lift the figure),
        // then the whole page: nothing moved out of place.
        const QRect pixels =
            GeometryOf(QSizeF(kPageW, kPageH), kPrint.width(), kPrint.height()).Pixels(*box);
        EXPECT_GE(TestJpegs::Psnr(printed.copy(pixels), reference.copy(pixels)), 35.0);
        EXPECT_GE(TestJpegs::Psnr(printed, reference), 45.0);
    }
}
