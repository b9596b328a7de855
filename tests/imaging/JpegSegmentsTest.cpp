#include "imaging/JpegSegments.h"

#include "TestJpegs.h"
#include "imaging/FreeImageBridge.h"

#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

std::vector<int> Markers(const QByteArray& jpeg) {
    std::vector<int> markers;
    const auto segments = JpegHeaderSegments(jpeg);
    for (const JpegSegment& segment : segments.value_or(std::vector<JpegSegment>()))
        markers.push_back(segment.marker);
    return markers;
}

bool Contains(const std::vector<int>& markers, int marker) {
    return std::find(markers.begin(), markers.end(), marker) != markers.end();
}

QImage Decoded(const QByteArray& jpeg) {
    const FiBitmap dib = FiLoadFromMemory(FIF_JPEG, jpeg, 0);
    return FiToQImage(dib.get());
}

} // namespace

TEST(JpegSegments, WalksFromStartOfImageToTheScan) {
    const QByteArray jpeg = SmallJpeg();
    const auto segments = JpegHeaderSegments(jpeg);
    ASSERT_TRUE(segments);
    ASSERT_GE(segments->size(), 5u);
    EXPECT_EQ(segments->front().marker, 0xD8);
    EXPECT_EQ(segments->back().marker, 0xDA);
    EXPECT_LT(segments->back().end, jpeg.size());
    qsizetype at = 0;
    for (const JpegSegment& segment : *segments) {
        EXPECT_EQ(segment.begin, at); // a clean file has no stray bytes
        at = segment.end;
    }
    const std::vector<int> markers = Markers(jpeg);
    for (const int marker : {0xE0, 0xDB, 0xC4})
        EXPECT_TRUE(Contains(markers, marker)) << marker;
}

TEST(JpegSegments, RefusesWhatCannotBeWalked) {
    const QByteArray jpeg = SmallJpeg();
    const qsizetype scan = JpegHeaderSegments(jpeg)->back().begin;
    const QByteArray broken[] = {
        {},
        "GIF89a",
        jpeg.left(2),                            // only SOI
        jpeg.left(scan),                         // ends before the scan
        jpeg.left(10),                           // a segment runs past the end
        jpeg.left(2) + "\xFF\xD9" + jpeg.mid(2), // EOI before the scan
        jpeg.left(2) + QByteArray("\xFF\xE1\x00\x01", 4) + jpeg.mid(2), // length below 2
    };
    for (const QByteArray& bytes : broken) {
        EXPECT_FALSE(JpegHeaderSegments(bytes)) << bytes.toHex().left(40).toStdString();
        EXPECT_TRUE(WithoutMetadataSegments(bytes).isEmpty());
    }
}

TEST(WithoutMetadataSegments, DropsMetadataKeepsJfifAndAdobeAndThePicture) {
    const QByteArray clean = SmallJpeg();
    QByteArray jpeg = WithSegment(clean, 0xEE, QByteArray("Adobe\0\144\0\0\0\0\1", 12));
    for (const unsigned char marker : {0xE1, 0xE2, 0xE7, 0xED, 0xEF, 0xFE})
        jpeg = WithSegment(jpeg, marker, "some metadata");
    jpeg = WithExif(jpeg, CameraTiff(true, 6));

    const QByteArray plain = WithoutMetadataSegments(jpeg);
    const std::vector<int> markers = Markers(plain);
    for (const int marker : {0xE1, 0xE2, 0xE7, 0xED, 0xEF, 0xFE})
        EXPECT_FALSE(Contains(markers, marker)) << marker;
    EXPECT_TRUE(Contains(markers, 0xE0));
    EXPECT_TRUE(Contains(markers, 0xEE));
    EXPECT_FALSE(plain.contains("metadata"));
    EXPECT_TRUE(plain.endsWith(clean.mid(JpegHeaderSegments(clean)->back().end)));

    const QImage expected = Decoded(clean);
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(Decoded(plain), expected);
}

TEST(WithoutMetadataSegments, CleanFileComesBackAsItIs) {
    const QByteArray jpeg = SmallJpeg();
    EXPECT_EQ(WithoutMetadataSegments(jpeg), jpeg);
}

TEST(JpegFrameSize, ReadsTheFrameHeaderAndRefusesMissingOrEmptyFrames) {
    const QByteArray jpeg = SmallJpeg();
    EXPECT_EQ(JpegFrameSize(jpeg), QSize(64, 48));
    // The frame header's own bytes: marker, length, precision, height, width.
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    QByteArray huge = jpeg;
    huge[sof + 5] = char(0xA8); // height 43024
    huge[sof + 6] = char(0x10);
    huge[sof + 7] = char(0xFD); // width 64792
    huge[sof + 8] = char(0x18);
    EXPECT_EQ(JpegFrameSize(huge), QSize(64792, 43024));
    QByteArray progressive = jpeg;
    progressive[sof + 1] = char(0xC2);
    EXPECT_EQ(JpegFrameSize(progressive), QSize(64, 48));
    QByteArray noHeight = jpeg; // a height given later by a DNL segment
    noHeight[sof + 5] = 0;
    noHeight[sof + 6] = 0;
    EXPECT_FALSE(JpegFrameSize(noHeight));
    QByteArray noFrame = jpeg;
    noFrame[sof + 1] = char(0xC8); // JPG, a reserved marker, is no frame header
    EXPECT_FALSE(JpegFrameSize(noFrame));
    EXPECT_FALSE(JpegFrameSize(jpeg.left(sof + 6)));
}
