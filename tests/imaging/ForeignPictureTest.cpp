#include "imaging/ForeignPicture.h"

#include "TestColours.h"
#include "TestHeif.h"
#include "TestJpegs.h"
#include "imaging/ColourConversion.h"
#include "imaging/ExifOrientation.h"
#include "imaging/ExifTakenTime.h"
#include "imaging/JpegDecode.h"
#include "imaging/JpegSegments.h"
#include "imaging/PhotoImageFiles.h"
#include "imaging/PhotoRefusal.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QTemporaryDir>
#include <QTransform>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

QByteArray Saved(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A PNG whose header claims width x height (its checksum mended).
QByteArray PngClaiming(QByteArray png, quint32 width, quint32 height) {
    constexpr qsizetype kIhdrData = 16; // signature, length, "IHDR"
    qToBigEndian(width, png.data() + kIhdrData);
    qToBigEndian(height, png.data() + kIhdrData + 4);
    quint32 crc = 0xFFFFFFFF;
    for (qsizetype i = kIhdrData - 4; i < kIhdrData + 13; ++i) {
        crc ^= uchar(png[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    qToBigEndian(~crc, png.data() + kIhdrData + 13);
    return png;
}

QImage DecodeFile(const QString& path) {
    return DecodeJpeg(path, [](const JpegHeader&) { return JpegDecodeRequest{}; }).picture;
}

struct Made {
    QImage copy;  // the book's JPEG copy, decoded
    QImage large; // the large thumbnail
    QByteArray copyBytes;
};

class ForeignPictureImport : public ::testing::Test {
protected:
    Made Import(const QString& name, const QByteArray& bytes) {
        const QString source = mDir.filePath(name);
        WriteBytes(source, bytes);
        const QString stem = mDir.filePath("book/" + name);
        EXPECT_TRUE(MakePhotoFiles(source, stem, kPhotoThumbBoxes)) << name.toStdString();
        return {DecodeFile(stem + "_or.jpg"), DecodeFile(stem + "_lg.jpg"),
                ReadBytes(stem + "_or.jpg")};
    }
    PhotoRefusal Refused(const QString& name, const QByteArray& bytes) {
        const QString source = mDir.filePath(name);
        WriteBytes(source, bytes);
        EXPECT_FALSE(MakePhotoFiles(source, mDir.filePath("book/" + name), kPhotoThumbBoxes));
        EXPECT_EQ(QDir(mDir.filePath("book")).entryList({name + "*"}, QDir::Files), QStringList());
        return WhyPhotoRefused(source);
    }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(mDir.filePath("book"))); }
    QTemporaryDir mDir;
};

// A phone's HEIC: stored turned, its turn in the file's properties and in
// its EXIF block (not applied twice), Display P3, a capture time.
TEST_F(ForeignPictureImport, HeicComesUprightInItsColoursWithItsTime) {
    const QByteArray p3 = ProfileFromCodedColours(12, 13);
    const QImage upright = ColourPatches();
    const QImage stored = InProfile(upright, p3).transformed(QTransform().rotate(-90));
    const QByteArray exif = CameraTiff(false, 6, "2021:07:04 10:20:30");
    const Made made = Import("phone.HEIC", EncodeHeic(stored, p3, exif, 6));
    for (const QImage& picture : {made.copy, made.large.scaled(upright.size())}) {
        ASSERT_EQ(picture.size(), upright.size());
        for (int i = 0; i < int(kPatchColours.size()); ++i)
            EXPECT_LE(PatchError(picture, i), 8) << "patch " << i;
    }
    EXPECT_EQ(ExifTakenTime(made.copyBytes),
              QDateTime(QDate(2021, 7, 4), QTime(10, 20, 30), Qt::UTC));
    EXPECT_EQ(ExifOrientation(made.copyBytes), 1);
    EXPECT_EQ(IccProfileOf(*JpegHeaderSegments(made.copyBytes)).icc, p3);
}

// PNG in 16 bits with transparency laid on white; TIFF and WebP through Qt.
TEST_F(ForeignPictureImport, PngTiffAndWebpBecomeJpegCopies) {
    QImage clear(40, 30, QImage::Format_RGBA64);
    clear.fill(QColor(255, 0, 0, 128));
    const QByteArray png16 = Saved(clear, "PNG");
    ASSERT_EQ(uchar(png16[24]), 16); // bit depth
    EXPECT_TRUE(Near(Import("clear.png", png16).large.pixel(20, 15), QColor(255, 127, 127), 3));

    QImage wide = InProfile(ColourPatches(), GhostscriptProfile("a98.icc"));
    wide.setColorSpace(QColorSpace::fromIccProfile(GhostscriptProfile("a98.icc")));
    const QImage fromPng = Import("wide.png", Saved(wide, "PNG")).large.scaled(wide.size());
    for (int i = 0; i < int(kPatchColours.size()); ++i)
        EXPECT_LE(PatchError(fromPng, i), 8) << "patch " << i;

    for (const char* format : {"TIFF", "WEBP"}) {
        const Made made =
            Import(QStringLiteral("photo.") + format, Saved(Quadrants(64, 48), format));
        EXPECT_TRUE(Near(made.copy.pixel(8, 8), Qt::red, 12)) << format;
        EXPECT_TRUE(Near(made.copy.pixel(56, 40), Qt::white, 12)) << format;
    }
}

TEST_F(ForeignPictureImport, CutDamagedOrHugePicturesAreRefusedLeavingNothing) {
    using Reason = PhotoRefusal::Reason;
    const QByteArray heic = EncodeHeic(Quadrants(64, 48), {}, {}, 1);
    EXPECT_EQ(Refused("cut.heic", heic.left(heic.size() * 2 / 3)).reason, Reason::Damaged);
    const QByteArray png = Saved(Quadrants(64, 48), "PNG");
    const PhotoRefusal bomb = Refused("bomb.png", PngClaiming(png, 40000, 40000));
    EXPECT_EQ(bomb.reason, Reason::TooLarge);
    EXPECT_EQ(bomb.detail, "40000 x 40000 pixels");
    EXPECT_EQ(Refused("cut.png", png.left(png.size() / 2)).reason, Reason::Damaged);
}

} // namespace
