#include "imaging/JpegDecode.h"

#include "TestJpegs.h"
#include "base/FifoWatchdog.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/Thumb.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

struct DecodeTest : ::testing::Test {
    QTemporaryDir dir;

    QString Photo(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        WriteBytes(path, bytes);
        return path;
    }

    // A photo-like JPEG of 40 x 24 pixels whose EXIF block has the orientation.
    QString Oriented(int orientation) {
        const QString path = dir.filePath(QStringLiteral("o%1.jpg").arg(orientation));
        Write(path, PhotoLike(40, 24));
        WriteBytes(path, WithExif(ReadBytes(path), CameraTiff(orientation % 2 == 0, orientation)));
        return path;
    }
};

QImage Decoded(const QString& path, double factor) {
    return DecodeJpeg(path,
                      [factor](const JpegHeader&) {
                          return JpegDecodeRequest{factor, {}};
                      })
        .picture;
}

// What the library itself makes of a (well-formed) file with its own EXIF rotation.
QImage LibraryUpright(const QString& path, int flags) {
    const FiBitmap dib(
        FreeImage_Load(FIF_JPEG, path.toLocal8Bit().constData(), flags | JPEG_EXIFROTATE));
    return FiToQImage(dib.get());
}

} // namespace

TEST_F(DecodeTest, EveryOrientationGivesTheLibrarysOwnPixels) {
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QString path = Oriented(orientation);
        const std::optional<JpegHeader> header = ReadJpegHeader(path);
        ASSERT_TRUE(header);
        EXPECT_EQ(header->orientation, orientation);
        const QSize upright = IsTurnedOrientation(orientation) ? QSize(24, 40) : QSize(40, 24);
        EXPECT_EQ(QSize(header->width, header->height), upright);

        const QImage full = Decoded(path, 1.0);
        EXPECT_EQ(full.size(), upright);
        EXPECT_EQ(full, LibraryUpright(path, JPEG_ACCURATE)) << "orientation " << orientation;
        // Reduced decodes are turned the same way.
        const QImage half = Decoded(path, 0.5);
        EXPECT_EQ(half.size(), upright / 2);
        EXPECT_EQ(half, LibraryUpright(path, JPEG_ACCURATE | (20 << 16)))
            << "orientation " << orientation;
    }
}

TEST_F(DecodeTest, HostileExifBlocksDecodeAsUprightPictures) {
    const QByteArray clean = SmallJpeg();
    QByteArray manyEntries = CameraTiff(false, 6);
    PutShort(manyEntries, kTiffIfd0, 0xFFFF);
    const QByteArray cutInHeader = CameraTiff(true, 6).left(6);
    const QByteArray cutInIfd = CameraTiff(true, 6).left(kTiffIfd0 + 2 + 12 + 6);
    QByteArray loop = CameraTiff(false, 3);
    PutLong(loop, kTiffIfd0Next, quint32(kTiffIfd0));
    PutLong(loop, kTiffIfd0 + 26 + 8, quint32(kTiffIfd0));

    const QImage expected = Decoded(Photo("clean.jpg", clean), 1.0);
    ASSERT_EQ(expected.size(), QSize(64, 48));
    for (const QByteArray& tiff : {manyEntries, cutInHeader, cutInIfd}) {
        const QString path = Photo(QStringLiteral("hostile.jpg"), WithExif(clean, tiff));
        const std::optional<JpegHeader> header = ReadJpegHeader(path);
        ASSERT_TRUE(header);
        EXPECT_EQ(header->orientation, 1);
        EXPECT_EQ(QSize(header->width, header->height), QSize(64, 48));
        EXPECT_EQ(Decoded(path, 1.0), expected);
        EXPECT_EQ(FiLoadImage(FIF_JPEG, path, JPEG_ACCURATE), expected);
    }
    const QString looping = Photo(QStringLiteral("loop.jpg"), WithExif(clean, loop));
    EXPECT_EQ(ReadJpegHeader(looping)->orientation, 3);
    EXPECT_EQ(Decoded(looping, 1.0), expected.mirrored(true, true));
}

TEST_F(DecodeTest, OnlyRegularFilesAreDecoded) {
    const QString fifo = dir.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(MakeFifo(fifo));
    const QString zero = dir.filePath(QStringLiteral("zero.jpg"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString folder = dir.filePath(QStringLiteral("folder.jpg"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString sizeFifo = dir.filePath(QStringLiteral("p_or.dim"));
    ASSERT_TRUE(MakeFifo(sizeFifo));

    for (const QString& path : {fifo, zero, folder}) {
        bool headerRead = true;
        bool decoded = true;
        bool loaded = true;
        EXPECT_TRUE(EndsWithoutBlocking(
            [&] {
                headerRead = ReadJpegHeader(path).has_value();
                decoded = !Decoded(path, 1.0).isNull();
                loaded = bool(FiLoad(FIF_JPEG, path, 0)) || FiFileType(path) != FIF_UNKNOWN;
            },
            {fifo, sizeFifo}))
            << path.toStdString();
        EXPECT_FALSE(headerRead || decoded || loaded) << path.toStdString();
    }

    // A size file that is a FIFO counts as a missing one: the size comes from the picture.
    Write(dir.filePath(QStringLiteral("p_or.jpg")), PhotoLike(64, 48));
    int width = 0;
    EXPECT_TRUE(EndsWithoutBlocking([&] { width = Thumb(dir.filePath("p_or")).width(); },
                                    {fifo, sizeFifo}));
    EXPECT_EQ(width, 64);
}
