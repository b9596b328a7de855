#include "imaging/ExifOrientation.h"

#include "TestJpegs.h"

#include <gtest/gtest.h>

#include <functional>

using namespace TestJpegs;

TEST(ExifOrientation, ReadsTheTagInBothByteOrders) {
    const QByteArray jpeg = SmallJpeg();
    for (const bool bigEndian : {false, true})
        for (const int orientation : {1, 3, 6, 8})
            EXPECT_EQ(ExifOrientation(WithExif(jpeg, CameraTiff(bigEndian, orientation))),
                      orientation)
                << (bigEndian ? "MM " : "II ") << orientation;
}

TEST(ExifOrientation, IsUprightWithoutAnExifBlock) {
    const QByteArray jpeg = SmallJpeg();
    EXPECT_EQ(ExifOrientation(jpeg), 1);
    EXPECT_EQ(ExifOrientation({}), 1);
    EXPECT_EQ(ExifOrientation("GIF89a and more"), 1);
    // An APP1 that is XMP, not EXIF, even if it holds a TIFF-like block.
    const QByteArray tiff = CameraTiff(true, 6);
    EXPECT_EQ(ExifOrientation(WithSegment(jpeg, 0xE1, "http://ns.adobe.com/xap/1.0/" + tiff)), 1);
    // An EXIF block in another segment than APP1 is none of ours.
    EXPECT_EQ(ExifOrientation(WithSegment(jpeg, 0xE2, QByteArray("Exif\0\0", 6) + tiff)), 1);
    EXPECT_EQ(ExifOrientation(WithSegment(jpeg, 0xE1, QByteArray("Exif\0\0", 6) + tiff)), 6);
}

TEST(ExifOrientation, FirstExifBlockCounts) {
    const QByteArray jpeg = SmallJpeg();
    const QByteArray twice = WithExif(WithExif(jpeg, CameraTiff(false, 3)), CameraTiff(true, 8));
    EXPECT_EQ(ExifOrientation(twice), 8);
}

namespace {

struct Damage {
    const char* name;
    std::function<void(QByteArray&)> apply;
};

} // namespace

TEST(ExifOrientation, IsUprightForEveryDamagedBlock) {
    const Damage damages[] = {
        {"65535 entries", [](QByteArray& t) { PutShort(t, kTiffIfd0, 0xFFFF); }},
        {"one entry more than fits",
         [](QByteArray& t) {
             PutShort(t, kTiffIfd0, quint16((t.size() - kTiffIfd0 - 2) / 12 + 1));
         }},
        {"cut inside IFD0", [](QByteArray& t) { t.truncate(kTiffIfd0 + 2 + 12 + 6); }},
        {"cut inside the header", [](QByteArray& t) { t.truncate(6); }},
        {"IFD0 outside", [](QByteArray& t) { PutLong(t, 4, 0xFFFFFFF0); }},
        {"IFD0 just past the end", [](QByteArray& t) { PutLong(t, 4, quint32(t.size() - 1)); }},
        {"IFD0 inside the header", [](QByteArray& t) { PutLong(t, 4, 2); }},
        {"no byte order", [](QByteArray& t) { t.replace(0, 2, "XX"); }},
        {"wrong magic", [](QByteArray& t) { PutShort(t, 2, 43); }},
        {"orientation as LONG", [](QByteArray& t) { PutShort(t, kTiffIfd0 + 14 + 2, 4); }},
        {"orientation count 0", [](QByteArray& t) { PutLong(t, kTiffIfd0 + 14 + 4, 0); }},
        {"orientation 0", [](QByteArray& t) { PutShort(t, kTiffIfd0 + 14 + 8, 0); }},
        {"orientation 9", [](QByteArray& t) { PutShort(t, kTiffIfd0 + 14 + 8, 9); }},
    };
    const QByteArray jpeg = SmallJpeg();
    for (const bool bigEndian : {false, true})
        for (const Damage& damage : damages) {
            QByteArray tiff = CameraTiff(bigEndian, 6);
            damage.apply(tiff);
            EXPECT_EQ(ExifOrientation(WithExif(jpeg, tiff)), 1) << damage.name;
        }
}

TEST(ExifOrientation, IfdPointingAtItselfIsReadOnce) {
    QByteArray tiff = CameraTiff(false, 8);
    PutLong(tiff, kTiffIfd0Next, quint32(kTiffIfd0));
    EXPECT_EQ(ExifOrientation(WithExif(SmallJpeg(), tiff)), 8);
    // The sub-IFD pointer aimed back at IFD0 changes nothing either.
    PutLong(tiff, kTiffIfd0 + 26 + 8, quint32(kTiffIfd0));
    EXPECT_EQ(ExifOrientation(WithExif(SmallJpeg(), tiff)), 8);
}

TEST(ExifOrientation, APP1RunningPastTheFileIsUpright) {
    // The segment claims more bytes than the file holds.
    const QByteArray jpeg = WithExif(SmallJpeg(), CameraTiff(true, 6));
    EXPECT_EQ(ExifOrientation(jpeg.left(40)), 1);
}
