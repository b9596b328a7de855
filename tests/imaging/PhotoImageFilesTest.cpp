#include "imaging/PhotoImageFiles.h"

#include "TestJpegKinds.h"
#include "TestJpegs.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/ThumbScaling.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

QImage FreeImageDecoded(const QString& path) { return FiLoadImage(FIF_JPEG, path, 0); }

// A thumbnail the way the import made it with FreeImage: a full decode,
// bicubic scaling, the library's default save.
QImage FreeImageThumbnail(const QString& source, QSize size, const QString& scratch) {
    const FiBitmap full = FiLoad(FIF_JPEG, source, JPEG_ACCURATE);
    const FiBitmap scaled(
        FreeImage_Rescale(full.get(), size.width(), size.height(), FILTER_BICUBIC));
    FiSaveAtomically(FIF_JPEG, scaled.get(), scratch, JPEG_DEFAULT);
    return FreeImageDecoded(scratch);
}

} // namespace

// The import decodes once at a reduced scale and encodes with libjpeg-turbo:
// its thumbnails look like those FreeImage made; a damaged source leaves no file.
TEST(PhotoImageFiles, ThumbnailsLookLikeTheOnesMadeBefore) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("photo.jpg"));
    const QByteArray bytes = EncodeKind(PhotoLike(2400, 1800), JpegKind::Baseline);
    WriteBytes(source, bytes);
    const QString stem = dir.filePath(QStringLiteral("book/p"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("book"))));
    ASSERT_TRUE(MakePhotoFiles(source, stem, kPhotoThumbBoxes));
    EXPECT_EQ(ReadBytes(stem + QStringLiteral("_or.jpg")), bytes);
    // Area averaging parts from bicubic most where it reduces most (20 times for _sm).
    const struct {
        const char* suffix;
        ThumbBox box;
        double minPsnr;
    } thumbnails[]{{"_sm", kPhotoThumbBoxes[0], 34.0},
                   {"_md", kPhotoThumbBoxes[1], 42.0},
                   {"_lg", kPhotoThumbBoxes[2], 42.0}};
    for (const auto& thumbnail : thumbnails) {
        const QImage made = FreeImageDecoded(stem + QLatin1String(thumbnail.suffix) + ".jpg");
        const QSize size = FitSize(QSize(2400, 1800), thumbnail.box.width, thumbnail.box.height);
        ASSERT_EQ(made.size(), size) << thumbnail.suffix;
        const QImage before = FreeImageThumbnail(source, size, dir.filePath("before.jpg"));
        EXPECT_GT(Psnr(made, before), thumbnail.minPsnr) << thumbnail.suffix;
    }
    EXPECT_TRUE(PhotoFilesWhole(stem));
    WriteBytes(stem + QStringLiteral("_md.jpg"),
               ReadBytes(stem + QStringLiteral("_md.jpg")).left(900));
    EXPECT_FALSE(PhotoFilesWhole(stem));

    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    WriteBytes(cut, bytes.left(bytes.size() - 100));
    const QString cutStem = dir.filePath(QStringLiteral("book/c"));
    EXPECT_FALSE(MakePhotoFiles(cut, cutStem, kPhotoThumbBoxes));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("book"))).entryList({"c*"}, QDir::Files),
              QStringList());
}
