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
    ASSERT_TRUE(picture.save(dir.filePath("bmp.jpg"), "BMP"));
    // Formats we do not take are named; those we take but cannot read are damaged.
    const struct {
        QString path;
        Reason reason;
        QString format;
    } others[]{
        {dir.filePath("bmp.jpg"), Reason::Unsupported, "BMP"},
        {file("gif.jpg", "GIF89a\x14\0\x14\0"), Reason::Unsupported, "GIF"},
        {file("avif.jpg", QByteArray("\0\0\0\x18\x66typavif", 12)), Reason::Unsupported, "AVIF"},
        {file("tiff.jpg", QByteArray("MM\0*\0\0\0\x08", 8)), Reason::Damaged, ""},
        {file("webp.jpg", QByteArray("RIFF\x20\0\0\0WEBPVP8 ", 16)), Reason::Damaged, ""},
        {file("heic.jpg", QByteArray("\0\0\0\x18\x66typheic", 12)), Reason::Damaged, ""},
        {file("text.jpg", "just words"), Reason::Unsupported, ""},
        {file("short.jpg", "BM"), Reason::Unsupported, "BMP"},
        {file("empty.jpg", ""), Reason::Unsupported, ""},
    };
    for (const auto& other : others) {
        const PhotoRefusal refusal = WhyPhotoRefused(other.path);
        EXPECT_EQ(refusal.reason, other.reason) << other.path.toStdString();
        EXPECT_EQ(refusal.detail, other.format) << other.path.toStdString();
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
    EXPECT_EQ(PhotoRefusalText({Reason::Unsupported, "GIF"}, notSupported),
              "Not a supported picture format (a GIF picture; JPEG, HEIC, PNG, TIFF and WebP are "
              "taken)");
    EXPECT_EQ(PhotoRefusalText({Reason::Damaged, {}}, notSupported), "Damaged or cut-off picture");
    EXPECT_TRUE(PhotoRefusalText({Reason::TooLarge, "65000 x 65000 pixels"}, notSupported)
                    .startsWith("Too large: 65000 x 65000 pixels"));
    EXPECT_TRUE(PhotoRefusalText({Reason::None, {}}, notSupported).isEmpty());
}

} // namespace
