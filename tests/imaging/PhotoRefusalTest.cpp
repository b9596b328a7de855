#include "imaging/PhotoRefusal.h"

#include "imaging/TestJpegs.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Reason = PhotoRefusal::Reason;

QByteArray JpegBytes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

// Puts new sides into the first SOF0 frame header.
QByteArray WithFrameSize(QByteArray jpeg, int width, int height) {
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

TEST(PhotoRefusal, EachRefusedFileGetsItsOwnReason) {
    QTemporaryDir dir;
    const auto file = [&](const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        TestJpegs::WriteBytes(path, bytes);
        return path;
    };
    const QByteArray good = JpegBytes(64, 48);

    EXPECT_EQ(WhyPhotoRefused(dir.filePath("missing.jpg")).reason, Reason::Unreadable);
    EXPECT_EQ(WhyPhotoRefused(dir.path()).reason, Reason::Unreadable); // a folder

    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir.filePath("png.jpg"), "PNG"));
    ASSERT_TRUE(picture.save(dir.filePath("bmp.jpg"), "BMP"));
    const std::vector<std::pair<QString, QString>> others{
        {dir.filePath("png.jpg"), "PNG"},
        {dir.filePath("bmp.jpg"), "BMP"},
        {file("gif.jpg", "GIF89a\x14\0\x14\0"), "GIF"},
        {file("tiff.jpg", QByteArray("MM\0*\0\0\0\x08", 8)), "TIFF"},
        {file("webp.jpg", QByteArray("RIFF\x20\0\0\0WEBPVP8 ", 16)), "WEBP"},
        {file("heic.jpg", QByteArray("\0\0\0\x18\x66typheic", 12)), "HEIF"},
        {file("text.jpg", "just words"), ""},
        {file("short.jpg", "BM"), "BMP"},
        {file("empty.jpg", ""), ""},
    };
    for (const auto& [path, format] : others) {
        const PhotoRefusal notJpeg = WhyPhotoRefused(path);
        EXPECT_EQ(notJpeg.reason, Reason::NotJpeg) << path.toStdString();
        EXPECT_EQ(notJpeg.detail, format) << path.toStdString();
    }

    const PhotoRefusal huge = WhyPhotoRefused(file("huge.jpg", WithFrameSize(good, 65000, 65000)));
    EXPECT_EQ(huge.reason, Reason::TooLarge);
    EXPECT_EQ(huge.detail, "65000 x 65000 pixels");
    EXPECT_EQ(WhyPhotoRefused(file("tiny.jpg", WithFrameSize(good, 4, 3))).reason,
              Reason::TooSmall);

    EXPECT_EQ(WhyPhotoRefused(file("cut.jpg", good.left(good.size() / 2))).reason, Reason::Damaged);
    EXPECT_EQ(WhyPhotoRefused(file("header.jpg", good.left(4))).reason, Reason::Damaged);
}

TEST(PhotoRefusal, TheReasonInPlainWords) {
    const QString notSupported = "Not a supported picture format";
    EXPECT_EQ(PhotoRefusalText({Reason::NotJpeg, "PNG"}, notSupported),
              "Not a supported picture format (a PNG picture, not a JPEG)");
    EXPECT_EQ(PhotoRefusalText({Reason::Damaged, {}}, notSupported), "Damaged or cut-off JPEG");
    EXPECT_TRUE(PhotoRefusalText({Reason::TooLarge, "65000 x 65000 pixels"}, notSupported)
                    .startsWith("Too large: 65000 x 65000 pixels"));
    EXPECT_TRUE(PhotoRefusalText({Reason::None, {}}, notSupported).isEmpty());
}

} // namespace
