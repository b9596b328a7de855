#include "imaging/JpegEncode.h"

#include "TestJpegs.h"
#include "base/LumbraError.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/JpegDecode.h"
#include "imaging/JpegSegments.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

QImage Decoded(const QByteArray& file) {
    return DecodeJpeg(file, [](const JpegHeader&) { return JpegDecodeRequest{}; }).picture;
}

// The payloads of the segments with this marker, in file order.
QList<QByteArray> Payloads(const QByteArray& jpeg, unsigned char marker) {
    QList<QByteArray> payloads;
    for (const JpegSegment& segment : JpegHeaderSegments(jpeg).value_or(std::vector<JpegSegment>()))
        if (segment.marker == marker)
            payloads << segment.payload.toByteArray();
    return payloads;
}

QList<int> Markers(const QByteArray& jpeg) {
    QList<int> markers;
    for (const JpegSegment& segment : JpegHeaderSegments(jpeg).value_or(std::vector<JpegSegment>()))
        markers << segment.marker;
    return markers;
}

} // namespace

TEST(JpegEncode, WritesBaseline420WithTheQualityUsedBefore) {
    const QImage picture = PhotoLike(160, 96);
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32,
                                        QImage::Format_RGB888, QImage::Format_Grayscale8}) {
        const QImage source = picture.convertToFormat(format);
        const QByteArray jpeg = EncodeJpeg(source, 95);
        const QImage back = Decoded(jpeg);
        ASSERT_EQ(back.size(), picture.size()) << format;
        EXPECT_GT(Psnr(back, source.convertToFormat(QImage::Format_RGB32)), 36.0) << format;
    }

    const QByteArray page = EncodeJpeg(picture);
    // JFIF, tables, a baseline frame of three components, Y at 2x2 (4:2:0), one scan.
    const QList<int> markers = Markers(page);
    EXPECT_EQ(markers.count(0xC0), 1);
    EXPECT_EQ(markers.count(0xDA), 1);
    for (const int marker : markers)
        EXPECT_TRUE(marker == 0xD8 || marker == 0xE0 || marker == 0xDB || marker == 0xC4 ||
                    marker == 0xC0 || marker == 0xDA)
            << std::hex << marker;
    const QByteArray frame = Payloads(page, 0xC0).value(0);
    ASSERT_EQ(frame.size(), 6 + 3 * 3);
    EXPECT_EQ(frame[5], 3);
    EXPECT_EQ(uchar(frame[7]), 0x22);
    EXPECT_EQ(uchar(frame[10]), 0x11);
    EXPECT_EQ(uchar(frame[13]), 0x11);

    // The same quantization as FreeImage's default save, which pages and
    // thumbnails were written with.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("freeimage.jpg"));
    const FiBitmap dib = FiFromQImage(picture);
    FiSaveAtomically(FIF_JPEG, dib.get(), path, JPEG_DEFAULT);
    EXPECT_EQ(Payloads(page, 0xDB), Payloads(ReadBytes(path), 0xDB));
}

TEST(JpegEncode, SavesWholeFilesOrThrows) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.jpg"));
    const QImage picture = PhotoLike(40, 30);
    SaveJpegAtomically(picture, path);
    EXPECT_EQ(ReadBytes(path), EncodeJpeg(picture));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    EXPECT_THROW(EncodeJpeg(QImage()), LumbraError);
    EXPECT_THROW(SaveJpegAtomically(picture, dir.filePath(QStringLiteral("none/page.jpg"))),
                 LumbraError);
    EXPECT_EQ(ReadBytes(path), EncodeJpeg(picture)); // a failed save leaves others alone
}
