#include "imaging/TestJpegs.h"

#include "base/Md5.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/JpegDecode.h"
#include "imaging/ThumbScaling.h"
#include "model/ModelTestSupport.h"
#include "model/PhotoImage.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

struct ImportTest : ::testing::Test {
    QTemporaryDir dir;
    QString book = dir.path() + QStringLiteral("/book/");
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(book)); }

    QString Source(const QString& name, const QImage& image) {
        const QString path = dir.path() + QLatin1Char('/') + name;
        Write(path, image);
        return path;
    }
    QImage Decode(const QString& path) {
        FiBitmap dib = FiLoad(FIF_JPEG, path, 0);
        return FiToQImage(dib.get());
    }
    QSize ThumbSize(const PhotoImage& photo, ThumbType type) { return ThumbFileSize(photo, type); }
};

} // namespace

TEST_F(ImportTest, PhotoGetsThreeThumbnailsAndAnExactCopy) {
    const QString source = Source(QStringLiteral("trip.jpg"), PhotoLike(400, 300));
    PhotoImage photo;
    photo.SetImage(source, book);
    ASSERT_TRUE(photo.IsSupportedFormat());
    EXPECT_EQ(photo.GetKey(), Md5().Hash(source));
    EXPECT_TRUE(photo.GetName().endsWith(photo.GetKey()));
    EXPECT_EQ(photo.GetThumbFile(ThumbType::Small), book + photo.GetName() + "_sm.jpg");
    EXPECT_EQ(photo.GetThumbFile(ThumbType::Original), book + photo.GetName() + "_or.jpg");
    EXPECT_EQ(ReadBytes(photo.GetThumbFile(ThumbType::Original)), ReadBytes(source));
    EXPECT_TRUE(QDir(book).entryList({QStringLiteral("*.dim")}, QDir::Files).isEmpty());

    // Small pictures are enlarged to their boxes.
    EXPECT_EQ(ThumbSize(photo, ThumbType::Small), QSize(120, 90));
    EXPECT_EQ(ThumbSize(photo, ThumbType::Medium), QSize(500, 375));
    EXPECT_EQ(ThumbSize(photo, ThumbType::Large), QSize(1000, 750));
    EXPECT_EQ(ThumbSize(photo, ThumbType::Original), QSize(400, 300));
    EXPECT_EQ(Decode(photo.GetThumbFile(ThumbType::Medium)).size(), QSize(500, 375));
    EXPECT_EQ(ReadBytes(book + photo.GetName() + QStringLiteral("_or.dim")),
              QByteArray("400,300\r\n"));

    PhotoImage again;
    again.SetImage(source, book);
    EXPECT_EQ(again.GetKey(), photo.GetKey());
    const QString copy = Source(QStringLiteral("copy.jpg"), PhotoLike(400, 300));
    again.SetImage(copy, book);
    EXPECT_NE(again.GetKey(), photo.GetKey());
}

TEST_F(ImportTest, ThumbnailSizesFitTheirBoxes) {
    EXPECT_EQ(FitSize(QSize(100, 80), 120, 120), QSize(120, 96));
    EXPECT_EQ(FitSize(QSize(4000, 3000), 1127, 811), QSize(1081, 811));
    EXPECT_EQ(FitSize(QSize(1, 5000), 120, 120), QSize(1, 120)); // never 0 pixels

    PhotoImage photo;
    photo.SetImage(Source(QStringLiteral("small.jpg"), PhotoLike(100, 80)), book);
    ASSERT_TRUE(photo.IsSupportedFormat());
    EXPECT_EQ(ThumbSize(photo, ThumbType::Small), QSize(120, 96));

    PhotoImage background;
    background.SetBackgroundImage(Source(QStringLiteral("leaf.v2.jpg"), PhotoLike(1600, 900)),
                                  book);
    ASSERT_TRUE(background.IsSupportedFormat());
    EXPECT_EQ(background.GetKey(), QStringLiteral("leaf"));
    EXPECT_EQ(background.GetName(), QStringLiteral("leaf"));
    EXPECT_EQ(background.GetThumbFile(ThumbType::Large), book + QStringLiteral("leaf_lg.jpg"));
    EXPECT_EQ(ThumbSize(background, ThumbType::Small), QSize(145, 82));
    EXPECT_EQ(ThumbSize(background, ThumbType::Medium), QSize(800, 450));
    EXPECT_EQ(ThumbSize(background, ThumbType::Large), QSize(1127, 634));
}

TEST_F(ImportTest, TurnedPhotoIsUprightEverywhereButTheCopy) {
    const QString source = Source(QStringLiteral("turned.jpg"), Quadrants(400, 300));
    AddExifOrientation(source, 6); // shown turned 90 degrees clockwise
    const std::optional<JpegHeader> header = ReadJpegHeader(source);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->orientation, 6);

    PhotoImage photo;
    photo.SetImage(source, book);
    ASSERT_TRUE(photo.IsSupportedFormat());
    EXPECT_EQ(ReadBytes(photo.GetThumbFile(ThumbType::Original)), ReadBytes(source));
    EXPECT_EQ(photo.GetWidth(), 300);
    EXPECT_EQ(photo.GetHeight(), 400);
    EXPECT_EQ(ReadBytes(book + photo.GetName() + QStringLiteral("_or.rec")),
              QByteArray("300,400,6,") +
                  QByteArray::number(TakenSeconds(
                      QFileInfo(photo.GetThumbFile(ThumbType::Original)).lastModified())) +
                  "\r\n");
    EXPECT_EQ(ThumbSize(photo, ThumbType::Small), QSize(90, 120));

    // Upright: the red top-left quadrant is now at the top right, blue at the top left.
    const QImage large = Decode(photo.GetThumbFile(ThumbType::Large));
    ASSERT_EQ(large.size(), QSize(750, 1000));
    EXPECT_TRUE(Near(large.pixel(560, 250), Qt::red));
    EXPECT_TRUE(Near(large.pixel(190, 250), Qt::blue));
    EXPECT_TRUE(Near(large.pixel(190, 750), Qt::white));
    EXPECT_TRUE(Near(large.pixel(560, 750), Qt::green));
    // The thumbnails carry no orientation of their own.
    EXPECT_EQ(ReadJpegHeader(photo.GetThumbFile(ThumbType::Large))->orientation, 1);
}

TEST_F(ImportTest, ReducedDecodeLooksLikeAFullDecode) {
    const QString source = Source(QStringLiteral("big.jpg"), PhotoLike(4000, 3000));
    EXPECT_EQ(JpegScaleEighths(QSize(4000, 3000), 0.25), 2);
    EXPECT_EQ(JpegScaleEighths(QSize(4000, 3000), 1.0), 8);
    PhotoImage photo;
    photo.SetImage(source, book);
    ASSERT_TRUE(photo.IsSupportedFormat());

    const QImage full =
        DecodeJpeg(source, [](const JpegHeader&) { return JpegDecodeRequest{}; }).picture;
    for (ThumbType type : {ThumbType::Small, ThumbType::Medium, ThumbType::Large}) {
        const QImage thumb = Decode(photo.GetThumbFile(type));
        // Reference: the same thumbnail made from a full decode, saved the same way.
        const QString reference = dir.path() + QStringLiteral("/reference.jpg");
        SaveThumbnail(reference, full, thumb.size());
        const double psnr = Psnr(thumb, Decode(reference));
        EXPECT_GT(psnr, 38.0) << "type " << int(type);
    }
}

TEST_F(ImportTest, DeleteRemovesAllFilesWithOrWithoutDimFiles) {
    PhotoImage photo;
    photo.SetImage(Source(QStringLiteral("a.jpg"), PhotoLike(200, 100)), book);
    PhotoImage other;
    other.SetImage(Source(QStringLiteral("b.jpg"), PhotoLike(200, 100)), book);
    ASSERT_TRUE(photo.IsSupportedFormat() && other.IsSupportedFormat());
    for (ThumbType type : kThumbTypes)
        ThumbFileSize(photo, type);                          // writes the ".dim" files
    EXPECT_EQ(QDir(book).entryList(QDir::Files).size(), 14); // and a record each
    photo.Delete();
    other.Delete();
    EXPECT_TRUE(QDir(book).entryList(QDir::Files).isEmpty());
    other.Delete(); // nothing left to delete: no error
}
