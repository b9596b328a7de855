#include "TestColours.h"
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
#include <libheif/heif_cxx.h>

#include <cstring>

using namespace TestJpegs;

namespace {

QByteArray Saved(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A PNG whose header claims width x height, its checksum mended.
QByteArray PngClaiming(QByteArray png, quint32 width, quint32 height) {
    constexpr qsizetype kIhdr = 12; // the chunk's type, then width and height
    qToBigEndian(width, png.data() + kIhdr + 4);
    qToBigEndian(height, png.data() + kIhdr + 8);
    quint32 crc = 0xFFFFFFFF;
    for (qsizetype i = kIhdr; i < kIhdr + 17; ++i)
        for (int bit = 0, byte = uchar(png[i]); bit < 8; ++bit, byte >>= 1)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - ((crc ^ byte) & 1)));
    qToBigEndian(~crc, png.data() + kIhdr + 17);
    return png;
}

struct MemoryWriter : heif::Context::Writer {
    QByteArray file;
    heif_error write(const void* data, size_t size) override {
        file.append(static_cast<const char*>(data), qsizetype(size));
        return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
    }
};

// `stored` as a HEIC made by libheif's encoder, with the profile, the EXIF
// block and the turn (EXIF numbers) its irot and imir properties give.
QByteArray EncodeHeic(const QImage& stored, const QByteArray& icc, const QByteArray& exif,
                      int orientation) {
    const QImage rgb = stored.convertToFormat(QImage::Format_RGB888);
    heif::Image image;
    image.create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB);
    image.add_plane(heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    uint8_t* plane = image.get_plane(heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
    if (!icc.isEmpty())
        image.set_raw_color_profile(heif_color_profile_type_prof, {icc.begin(), icc.end()});
    heif::Encoder encoder(heif_compression_HEVC);
    encoder.set_lossy_quality(95);
    heif::Context::EncodingOptions options;
    options.image_orientation = heif_orientation(orientation);
    heif::Context context;
    const heif::ImageHandle handle = context.encode_image(image, encoder, options);
    if (!exif.isEmpty())
        context.add_exif_metadata(handle, exif.constData(), int(exif.size()));
    MemoryWriter writer;
    context.write(writer);
    return writer.file;
}

QImage Decoded(const QString& path) {
    return DecodeJpeg(path, [](const JpegHeader&) { return JpegDecodeRequest{}; }).picture;
}

class ForeignPictureImport : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(mDir.filePath("book"))); }
    // Imports the bytes as `name`: the stem of the book's files, empty when refused.
    QString Import(const QString& name, const QByteArray& bytes) {
        WriteBytes(mDir.filePath(name), bytes);
        const QString stem = mDir.filePath("book/" + name);
        return MakePhotoFiles(mDir.filePath(name), stem, kPhotoThumbBoxes) ? stem : QString();
    }
    PhotoRefusal Refused(const QString& name, const QByteArray& bytes) {
        EXPECT_EQ(Import(name, bytes), QString());
        EXPECT_EQ(QDir(mDir.filePath("book")).entryList({name + "*"}, QDir::Files), QStringList());
        return WhyPhotoRefused(mDir.filePath(name));
    }
    QTemporaryDir mDir;
};

// A phone's HEIC: stored turned, its turn in the file's properties and in
// its EXIF block (not applied twice), Display P3, a capture time.
TEST_F(ForeignPictureImport, HeicComesUprightInItsColoursWithItsTime) {
    const QByteArray p3 = ProfileFromCodedColours(12, 13);
    const QImage upright = ColourPatches();
    const QImage stored = InProfile(upright, p3).transformed(QTransform().rotate(-90));
    const QString stem = Import(
        "phone.HEIC", EncodeHeic(stored, p3, CameraTiff(false, 6, "2021:07:04 10:20:30"), 6));
    ASSERT_FALSE(stem.isEmpty());
    for (const QImage& picture : {Decoded(stem + "_or.jpg"), Decoded(stem + "_lg.jpg")}) {
        const QImage same = picture.scaled(upright.size());
        ASSERT_EQ(picture.size(), upright.size().scaled(picture.size(), Qt::KeepAspectRatio));
        for (int i = 0; i < int(kPatchColours.size()); ++i)
            EXPECT_LE(PatchError(same, i), 8) << "patch " << i;
    }
    const QByteArray copy = ReadBytes(stem + "_or.jpg");
    EXPECT_EQ(ExifTakenTime(copy), QDateTime(QDate(2021, 7, 4), QTime(10, 20, 30), Qt::UTC));
    EXPECT_EQ(ExifOrientation(copy), 1);
    EXPECT_EQ(IccProfileOf(*JpegHeaderSegments(copy)).icc, p3);
}

// PNG in 16 bits with transparency laid on white, an Adobe RGB PNG in its
// colours; TIFF and WebP through Qt.
TEST_F(ForeignPictureImport, PngTiffAndWebpBecomeJpegCopies) {
    QImage clear(40, 30, QImage::Format_RGBA64);
    clear.fill(QColor(255, 0, 0, 128));
    const QByteArray png16 = Saved(clear, "PNG");
    ASSERT_EQ(uchar(png16[24]), 16); // bit depth
    EXPECT_TRUE(Near(Decoded(Import("clear.png", png16) + "_lg.jpg").pixel(20, 15),
                     QColor(255, 127, 127), 3));

    const QByteArray adobe = GhostscriptProfile("a98.icc");
    QImage wide = InProfile(ColourPatches(), adobe);
    wide.setColorSpace(QColorSpace::fromIccProfile(adobe));
    const QImage large = Decoded(Import("wide.png", Saved(wide, "PNG")) + "_lg.jpg");
    for (int i = 0; i < int(kPatchColours.size()); ++i)
        EXPECT_LE(PatchError(large.scaled(wide.size()), i), 8) << "patch " << i;

    for (const char* format : {"TIFF", "WEBP"}) {
        const QImage copy = Decoded(
            Import(QString("photo.") + format, Saved(Quadrants(64, 48), format)) + "_or.jpg");
        EXPECT_TRUE(Near(copy.pixel(8, 8), Qt::red, 12)) << format;
        EXPECT_TRUE(Near(copy.pixel(56, 40), Qt::white, 12)) << format;
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
