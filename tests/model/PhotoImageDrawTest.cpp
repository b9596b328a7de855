#include "imaging/TestJpegs.h"

#include "base/LumbraError.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/PaintSurface.h"
#include "model/PhotoImage.h"
#include "model/TemplateBox.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

std::shared_ptr<const TemplateBox> Box(float width, float height) {
    auto box = std::make_shared<TemplateBox>();
    box->Deserialize(QStringLiteral("Photo[0,0,%1,%2,0").arg(width).arg(height));
    return box;
}

// An 800 x 600 photo of four quadrants in a 100 x 50 mm box.
struct PlacedPhoto : ::testing::Test {
    QTemporaryDir dir;
    PhotoImage photo;

    void SetUp() override {
        const QString source = dir.path() + QStringLiteral("/q.jpg");
        Write(source, Quadrants(800, 600));
        photo.SetImage(source, dir.path() + QLatin1Char('/'));
        ASSERT_TRUE(photo.IsSupportFormat());
        photo.SetPhotoBox(Box(100, 50));
    }

    QImage Draw(int width, int height, bool warning = false) {
        PaintSurface surface(width, height);
        photo.DrawImage(surface, 0, 0, width, height, warning, QImage());
        return surface.image()->copy();
    }
    QImage Print(int width, int height) {
        FiBitmap dib = photo.GetFreeImageDib(width, height);
        EXPECT_EQ(FreeImage_GetBPP(dib.get()), 24u);
        return FiToQImage(dib.get());
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

TEST_F(PlacedPhoto, BoundsFollowZoomAndAngle) {
    // Window 800 x 400: no room sideways, 100 pixels up and down.
    EXPECT_FALSE(photo.ImageTooSmall());
    EXPECT_TRUE(photo.SetImageLocation(50, 500));
    EXPECT_EQ(photo.X(), 0);
    EXPECT_EQ(photo.Y(), 100);
    EXPECT_FALSE(photo.SetImageLocation(-7, 101));
    EXPECT_TRUE(photo.SetImageLocation(0, -1000));
    EXPECT_EQ(photo.Y(), -100);

    photo.SetRatio(0.5f); // window 400 x 200: 4 pixels per mm
    EXPECT_TRUE(photo.ImageTooSmall());
    EXPECT_TRUE(photo.SetImageLocation(-500, -500));
    EXPECT_EQ(photo.X(), -200);
    EXPECT_EQ(photo.Y(), -200);

    photo.SetAngle(90); // 600 x 800 turned: window 300 x 150
    EXPECT_EQ(photo.X(), -150);
    EXPECT_EQ(photo.Y(), -200);
    EXPECT_TRUE(photo.SetImageLocation(0, 1000));
    EXPECT_EQ(photo.Y(), 325);

    photo.SetRatio(1.0f); // window 600 x 300
    EXPECT_FALSE(photo.ImageTooSmall());
    EXPECT_EQ(photo.Y(), 250);
    EXPECT_EQ(photo.Serialize(), photo.GetName() + QStringLiteral(",0,250,1,90"));

    photo.ResetPhoto();
    EXPECT_EQ(photo.X(), 0);
    EXPECT_EQ(photo.Y(), 0);
    EXPECT_EQ(photo.Angle(), 0);
    EXPECT_FLOAT_EQ(photo.ratio(), 1.0f);
    ASSERT_TRUE(photo.PhotoBox());
}

TEST_F(PlacedPhoto, RecordOfATurnedMovedPhotoReadsBackWhole) {
    photo.SetAngle(90);
    photo.SetRatio(1.0f);
    photo.SetImageLocation(0, 250);
    const QString record = photo.Serialize();
    ASSERT_EQ(record, photo.GetName() + QStringLiteral(",0,250,1,90"));
    photo.ResetPhoto();
    photo.Deserialize(record);
    EXPECT_EQ(photo.Serialize(), record);
}

TEST_F(PlacedPhoto, RecordReadBackInBoxGivesTheSameText) {
    photo.Deserialize(photo.GetName() + QStringLiteral(",5,-3,0.5,180"));
    EXPECT_EQ(photo.Serialize(), photo.GetName() + QStringLiteral(",5,-3,0.5,180"));
    photo.Deserialize(photo.GetName() + QStringLiteral(",5000,-3000,1,0")); // clamped
    EXPECT_EQ(photo.Serialize(), photo.GetName() + QStringLiteral(",0,-100,1,0"));
}

TEST_F(PlacedPhoto, ScreenDrawingShowsTheWindow) {
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

TEST_F(PlacedPhoto, WarningFrameOnlyWhenTooSmallAndAsked) {
    EXPECT_FALSE(Near(Draw(300, 150, true).pixel(298, 75), Qt::yellow, 0));
    photo.SetRatio(0.5f);
    EXPECT_FALSE(Near(Draw(300, 150, false).pixel(298, 75), Qt::yellow, 0));
    const QImage warned = Draw(300, 150, true);
    for (const QPoint p :
         {QPoint(150, 0), QPoint(150, 2), QPoint(150, 149), QPoint(297, 75), QPoint(299, 75)})
        EXPECT_TRUE(Near(warned.pixel(p), Qt::yellow, 0)) << p.x() << "," << p.y();
    EXPECT_FALSE(Near(warned.pixel(296, 75), Qt::yellow, 0));
}

TEST_F(PlacedPhoto, KeptThumbnailTurnsWithTheAngle) {
    photo.SetKeepThumb(true);
    Draw(400, 200);
    photo.SetAngle(90); // counter-clockwise
    const QImage kept = Draw(400, 200);
    photo.SetKeepThumb(false);
    ExpectQuarters(kept, Qt::green, Qt::white, Qt::red, Qt::blue);
    EXPECT_GT(Psnr(kept, Draw(400, 200)), 40.0);
}

TEST_F(PlacedPhoto, PrintDecodesOnlyWhatCoversTheBox) {
    EXPECT_EQ(photo.LoadForPrint(200, 100).width(), 200);  // a quarter covers it
    EXPECT_EQ(photo.LoadForPrint(201, 100).width(), 300);  // three eighths
    EXPECT_EQ(photo.LoadForPrint(1600, 800).width(), 800); // never beyond the file

    const QImage print = Print(200, 100);
    ASSERT_EQ(print.size(), QSize(200, 100));
    ExpectQuarters(print, Qt::red, Qt::green, Qt::blue, Qt::white);

    photo.SetAngle(90); // counter-clockwise
    const QImage turned = Print(200, 100);
    ASSERT_EQ(turned.size(), QSize(200, 100));
    ExpectQuarters(turned, Qt::green, Qt::white, Qt::red, Qt::blue);
}

TEST_F(PlacedPhoto, ReducedPrintMatchesAFullDecode) {
    photo.SetRatio(0.8f);
    photo.SetImageLocation(40, -30);
    const QImage reduced = Print(250, 125);
    // The same window from the full picture.
    FiBitmap full = FiLoad(FIF_JPEG, photo.GetThumbFile(ThumbType::Original), 0);
    // Window 640 x 320 centred at (400 - 40, 300 + 30).
    FiBitmap reference(
        FreeImage_RescaleRect(full.get(), 250, 125, 40, 170, 680, 490, FILTER_BICUBIC));
    EXPECT_GT(Psnr(reduced, FiToQImage(reference.get())), 35.0);
}

TEST_F(PlacedPhoto, MissingFilesAreErrorsForTheCaller) {
    photo.Delete();
    EXPECT_THROW(Draw(100, 50), LumbraError);
    EXPECT_THROW(photo.GetFreeImageDib(100, 50), LumbraError);
    EXPECT_THROW(photo.GetFreeImageDib(0, 50), LumbraError);
}

TEST(PhotoImagePrint, TurnedPhotoPrintsUpright) {
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/t.jpg");
    Write(source, Quadrants(800, 600));
    AddExifOrientation(source, 8); // shown turned 90 degrees counter-clockwise
    PhotoImage photo;
    photo.SetImage(source, dir.path() + QLatin1Char('/'));
    ASSERT_TRUE(photo.IsSupportFormat());
    photo.SetPhotoBox(Box(60, 80)); // upright 600 x 800 fills it exactly
    FiBitmap dib = photo.GetFreeImageDib(60, 80);
    const QImage print = FiToQImage(dib.get());
    // Counter-clockwise: top-left green, top-right white, bottom-left red, bottom-right blue.
    EXPECT_TRUE(Near(print.pixel(15, 20), Qt::green));
    EXPECT_TRUE(Near(print.pixel(45, 20), Qt::white));
    EXPECT_TRUE(Near(print.pixel(15, 60), Qt::red));
    EXPECT_TRUE(Near(print.pixel(45, 60), Qt::blue));
}
