#include "RenderFixtures.h"

#include "imaging/TestJpegs.h"
#include "model/QuadrantPhoto.h"

#include "base/LumbraError.h"
#include "imaging/JpegDecode.h"
#include "imaging/Resample.h"
#include "model/PhotoImage.h"
#include "model/TemplateBox.h"
#include "render/PhotoDrawing.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

std::shared_ptr<const TemplateBox> Box(double width, double height) {
    return RenderFixtures::PhotoBox(0, 0, width, height);
}

struct DrawnPhoto : QuadrantPhoto {
    PhotoPictures pictures;

    QImage Draw(int width, int height, bool warning = false) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        DrawPhoto(painter, photo.Placement(), image.rect(), warning, QImage(), pictures);
        return image;
    }
    QImage Print(int width, int height) {
        return PrintPhotoPart(photo.Placement(), QSize(width, height), QRect(0, 0, width, height));
    }
    // Colours at the centres of the four quarters of a picture.
    static void ExpectQuarters(const QImage& image, QColor tl, QColor tr, QColor bl, QColor br) {
        const int w = image.width(), h = image.height();
        EXPECT_TRUE(Near(image.pixel(w / 4, h / 4), tl));
        EXPECT_TRUE(Near(image.pixel(3 * w / 4, h / 4), tr));
        EXPECT_TRUE(Near(image.pixel(w / 4, 3 * h / 4), bl));
        EXPECT_TRUE(Near(image.pixel(3 * w / 4, 3 * h / 4), br));
    }
};

} // namespace

TEST_F(DrawnPhoto, ScreenDrawingShowsTheWindow) {
    ExpectQuarters(Draw(400, 200), Qt::red, Qt::green, Qt::blue, Qt::white);
    // Content moved down by 100 pixels: the window starts at the top edge.
    photo.SetImageLocation(0, 100);
    const QImage moved = Draw(400, 200);
    EXPECT_TRUE(Near(moved.pixel(100, 140), Qt::red));
    photo.SetImageLocation(0, 0);
    EXPECT_TRUE(Near(Draw(400, 200).pixel(100, 140), Qt::blue));

    photo.SetAngle(180);
    ExpectQuarters(Draw(120, 60), Qt::white, Qt::blue, Qt::green, Qt::red);
}

TEST_F(DrawnPhoto, WarningFrameOnlyWhenTooSmallAndAsked) {
    EXPECT_FALSE(Near(Draw(300, 150, true).pixel(298, 75), Qt::yellow, 0));
    photo.SetRatio(0.5f);
    EXPECT_FALSE(Near(Draw(300, 150, false).pixel(298, 75), Qt::yellow, 0));
    const QImage warned = Draw(300, 150, true);
    for (const QPoint p :
         {QPoint(150, 0), QPoint(150, 2), QPoint(150, 149), QPoint(297, 75), QPoint(299, 75)})
        EXPECT_TRUE(Near(warned.pixel(p), Qt::yellow, 0)) << p.x() << "," << p.y();
    EXPECT_FALSE(Near(warned.pixel(296, 75), Qt::yellow, 0));
}

TEST_F(DrawnPhoto, KeptPictureTurnsWithTheAngle) {
    Draw(400, 200);
    photo.SetAngle(90); // counter-clockwise
    const QImage kept = Draw(400, 200);
    pictures = PhotoPictures();
    ExpectQuarters(kept, Qt::green, Qt::white, Qt::red, Qt::blue);
    EXPECT_GT(Psnr(kept, Draw(400, 200)), 40.0);
}

TEST_F(DrawnPhoto, PrintShowsTheWindowTurnedByTheAngle) {
    const QImage print = Print(200, 100);
    ASSERT_EQ(print.size(), QSize(200, 100));
    ExpectQuarters(print, Qt::red, Qt::green, Qt::blue, Qt::white);

    photo.SetAngle(90); // counter-clockwise
    const QImage turned = Print(200, 100);
    ASSERT_EQ(turned.size(), QSize(200, 100));
    ExpectQuarters(turned, Qt::green, Qt::white, Qt::red, Qt::blue);
}

TEST_F(DrawnPhoto, ReducedPrintMatchesAFullDecode) {
    photo.SetRatio(0.8f);
    photo.SetImageLocation(40, -30);
    const QImage reduced = Print(250, 125);
    // The same window from the whole picture decoded at full size: 640 x 320
    // centred at (400 - 40, 300 + 30).
    const QImage full = DecodeJpeg(photo.GetThumbFile(ThumbType::Original), [](const JpegHeader&) {
                            return JpegDecodeRequest{};
                        }).picture;
    ASSERT_EQ(full.size(), QSize(800, 600));
    const QImage reference =
        ResampleWindow(full, QRectF(40, 170, 640, 320), QSize(250, 125), QRect(0, 0, 250, 125));
    EXPECT_GT(Psnr(reduced, reference), 35.0);
}

TEST_F(DrawnPhoto, MissingFilesAreErrorsForTheCaller) {
    photo.Delete();
    EXPECT_THROW(Draw(100, 50), LumbraError);
    EXPECT_THROW(Print(100, 50), LumbraError);
    EXPECT_THROW(Print(0, 50), LumbraError);
}

TEST(PhotoPrint, TurnedPhotoPrintsUpright) {
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/t.jpg");
    Write(source, Quadrants(800, 600));
    AddExifOrientation(source, 8); // shown turned 90 degrees counter-clockwise
    PhotoImage photo;
    photo.SetImage(source, dir.path() + QLatin1Char('/'));
    ASSERT_TRUE(photo.IsSupportedFormat());
    photo.SetPhotoBox(Box(60, 80)); // upright 600 x 800 fills it exactly
    const QImage print = PrintPhotoPart(photo.Placement(), QSize(60, 80), QRect(0, 0, 60, 80));
    // Counter-clockwise: top-left green, top-right white, bottom-left red, bottom-right blue.
    EXPECT_TRUE(Near(print.pixel(15, 20), Qt::green));
    EXPECT_TRUE(Near(print.pixel(45, 20), Qt::white));
    EXPECT_TRUE(Near(print.pixel(15, 60), Qt::red));
    EXPECT_TRUE(Near(print.pixel(45, 60), Qt::blue));
}
