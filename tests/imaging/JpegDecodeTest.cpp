#include "imaging/JpegDecode.h"

#include "TestJpegKinds.h"
#include "TestJpegs.h"
#include "imaging/FreeImageBridge.h"

#include <QTemporaryDir>
#include <QTransform>
#include <gtest/gtest.h>

#include <cmath>

using namespace TestJpegs;

namespace {

DecodedPhoto Decode(const QByteArray& file, double factor = 1.0, const QRect& region = {}) {
    return DecodeJpeg(file, [=](const JpegHeader&) { return JpegDecodeRequest{factor, region}; });
}

// The stored picture that a viewer shows as `upright` under the orientation.
QImage StoredFor(const QImage& upright, int orientation) {
    const QTransform clockwise = QTransform().rotate(90);
    switch (orientation) {
    case 2: return upright.mirrored(true, false);
    case 3: return upright.mirrored(true, true);
    case 4: return upright.mirrored(false, true);
    case 5: return upright.transformed(clockwise).mirrored(true, false); // transposed
    case 6: return upright.transformed(QTransform().rotate(-90));
    case 7: return upright.transformed(clockwise).mirrored(false, true); // transverse
    case 8: return upright.transformed(clockwise);
    default: return upright;
    }
}

// What FreeImage makes of the file with its own EXIF rotation.
QImage FreeImageUpright(const QByteArray& file) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    WriteBytes(path, file);
    const FiBitmap dib(
        FreeImage_Load(FIF_JPEG, path.toLocal8Bit().constData(), JPEG_ACCURATE | JPEG_EXIFROTATE));
    return FiToQImage(dib.get());
}

QImage Grey(QImage picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int grey = qGray(picture.pixel(x, y));
            picture.setPixel(x, y, qRgb(grey, grey, grey));
        }
    return picture;
}

enum class Damage { None, CutOff, StrayMarker };

QByteArray Damaged(QByteArray file, Damage damage) {
    if (damage == Damage::CutOff)
        return file.left(file.size() * 3 / 5);
    if (damage == Damage::StrayMarker)
        file.insert(file.size() / 2, QByteArray("\xFF\xD5", 2));
    return file;
}

} // namespace

// Every kind of photo, upright from every EXIF orientation: the pixels of
// the picture it was made from (within JPEG's loss), exactly FreeImage's
// (the decoder used before); damaged files fail.
TEST(JpegDecode, EveryKindOfPhotoComesOutUpright) {
    struct Case {
        const char* name;
        JpegKind kind;
        int orientation;
        Damage damage;
    };
    const std::vector<Case> cases{
        {"baseline", JpegKind::Baseline, 1, Damage::None},
        {"mirrored", JpegKind::Baseline, 2, Damage::None},
        {"upside down", JpegKind::Baseline, 3, Damage::None},
        {"upside down, mirrored", JpegKind::Baseline, 4, Damage::None},
        {"transposed", JpegKind::Baseline, 5, Damage::None},
        {"turned clockwise", JpegKind::Baseline, 6, Damage::None},
        {"transverse", JpegKind::Baseline, 7, Damage::None},
        {"turned counter-clockwise", JpegKind::Baseline, 8, Damage::None},
        {"progressive", JpegKind::Progressive, 1, Damage::None},
        {"progressive, turned", JpegKind::Progressive, 6, Damage::None},
        {"grey", JpegKind::Grey, 1, Damage::None},
        {"grey, turned", JpegKind::Grey, 8, Damage::None},
        {"CMYK", JpegKind::Cmyk, 1, Damage::None},
        {"YCCK, upside down", JpegKind::Ycck, 3, Damage::None},
        {"restart markers, transposed", JpegKind::Restarts, 5, Damage::None},
        {"cut off", JpegKind::Baseline, 1, Damage::CutOff},
        {"progressive, cut off", JpegKind::Progressive, 6, Damage::CutOff},
        {"restart markers, cut off", JpegKind::Restarts, 1, Damage::CutOff},
        {"stray marker in the scan", JpegKind::Baseline, 1, Damage::StrayMarker},
    };
    const QImage upright = PhotoLike(100, 60); // partial blocks at the right and bottom
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray clean = WithExif(EncodeKind(StoredFor(upright, c.orientation), c.kind),
                                          CameraTiff(c.orientation % 2 == 0, c.orientation));
        const DecodedPhoto decoded = Decode(Damaged(clean, c.damage));
        EXPECT_EQ(decoded.header.orientation, c.orientation);
        EXPECT_EQ(QSize(decoded.header.width, decoded.header.height), upright.size());
        if (c.damage != Damage::None) {
            EXPECT_TRUE(decoded.picture.isNull());
            continue;
        }
        ASSERT_FALSE(decoded.picture.isNull());
        EXPECT_EQ(decoded.picture.format(), QImage::Format_RGB32);
        EXPECT_EQ(decoded.scaledSize, upright.size());
        EXPECT_EQ(decoded.scaledPart, QRect(QPoint(0, 0), upright.size()));
        const QImage expected = c.kind == JpegKind::Grey ? Grey(upright) : upright;
        EXPECT_GT(Psnr(decoded.picture, expected), 30.0);
        EXPECT_EQ(MaxDifference(decoded.picture, FreeImageUpright(clean)), 0);
    }
}

TEST(JpegDecode, TheScaleIsTheSmallestEighthThatCoversTheFactor) {
    struct Case {
        QSize full;
        double factor;
        int eighths;
    };
    const std::vector<Case> cases{
        {{4000, 3000}, 0.25, 2},
        {{4000, 3000}, 0.2501, 3},
        {{4000, 3000}, 1000.0 / 3000, 3},
        {{4000, 3000}, 0.125, 1},
        {{4000, 3000}, 0.01, 1},
        {{4000, 3000}, 0.88, 8},
        {{4000, 3000}, 1.0, 8},
        {{4000, 3000}, 2.5, 8},
        {{4000, 3000}, 0.0, 8},
        {{4000, 3000}, std::nan(""), 8},
        {{101, 61}, 0.125, 1},
        {{100, 60}, 0.3, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JpegScaleEighths(c.full, c.factor), c.eighths)
            << c.full.width() << "x" << c.full.height() << " at " << c.factor;
    EXPECT_EQ(JpegScaledSize({101, 61}, 1), QSize(13, 8)); // rounded up, like libjpeg
    EXPECT_EQ(JpegScaledSize({4000, 3000}, 3), QSize(1500, 1125));

    // A turned photo: the factor applies to the upright size, the result is upright.
    const QByteArray file =
        WithExif(EncodeKind(PhotoLike(60, 100), JpegKind::Baseline), CameraTiff(false, 6));
    const DecodedPhoto decoded = Decode(file, 0.3);
    EXPECT_EQ(decoded.scaledSize, QSize(38, 23));
    EXPECT_EQ(decoded.picture.size(), QSize(38, 23));
}

// A region comes out as the same pixels as a whole decode at that scale has
// there, for every orientation; it is never smaller than asked, and far
// from the picture's edges far smaller than the picture.
TEST(JpegDecode, RegionsAreThePixelsOfAWholeDecode) {
    const QImage upright = PhotoLike(333, 217);
    const std::vector<QRect> regions{QRect(150, 90, 40, 30), QRect(250, 150, 83, 67),
                                     QRect(0, 0, 1, 1), QRect(-50, 200, 500, 100)};
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QByteArray file =
            WithExif(EncodeKind(StoredFor(upright, orientation),
                                orientation % 2 ? JpegKind::Baseline : JpegKind::Progressive),
                     CameraTiff(false, orientation));
        for (const double factor : {1.0, 0.5, 0.3}) {
            const DecodedPhoto whole = Decode(file, factor);
            ASSERT_FALSE(whole.picture.isNull());
            const int m = JpegScaleEighths(upright.size(), factor);
            for (const QRect& region : regions) {
                SCOPED_TRACE(testing::Message()
                             << "orientation " << orientation << ", factor " << factor
                             << ", region " << region.x() << "," << region.y());
                const DecodedPhoto part = Decode(file, factor, region);
                ASSERT_FALSE(part.picture.isNull());
                EXPECT_EQ(part.scaledSize, whole.scaledSize);
                EXPECT_EQ(part.picture.size(), part.scaledPart.size());
                const QRect inside = region & upright.rect();
                const QRect asked(QPoint(inside.left() * m / 8, inside.top() * m / 8),
                                  QPoint((inside.right() * m + m + 7) / 8 - 1,
                                         (inside.bottom() * m + m + 7) / 8 - 1));
                EXPECT_TRUE(part.scaledPart.contains(asked));
                EXPECT_EQ(MaxDifference(part.picture, whole.picture.copy(part.scaledPart)), 0)
                    << part.scaledPart.x() << "," << part.scaledPart.y() << " "
                    << part.scaledPart.width() << "x" << part.scaledPart.height();
                if (region.width() == 40 && factor == 1.0) {
                    EXPECT_LT(part.scaledPart.width() * part.scaledPart.height(),
                              whole.scaledSize.width() * whole.scaledSize.height() / 4);
                }
            }
        }
    }
}

TEST(JpegDecode, HeadersOfAcceptableFilesAreCheckedByTheLibrary) {
    const QByteArray good = EncodeKind(PhotoLike(64, 48), JpegKind::Baseline);
    const std::optional<JpegHeader> header = ReadJpegHeader(good);
    ASSERT_TRUE(header);
    EXPECT_EQ(QSize(header->width, header->height), QSize(64, 48));
    // A frame header the library refuses (no components), behind a sound segment walk.
    QByteArray noComponents = good;
    const qsizetype sof = noComponents.indexOf(QByteArray("\xFF\xC0", 2));
    noComponents[sof + 9] = 0;
    EXPECT_FALSE(ReadJpegHeader(noComponents));
    EXPECT_TRUE(Decode(noComponents).picture.isNull());
    // A size refused before the library sees the file still has a header.
    QByteArray huge = good;
    huge[sof + 5] = char(0x9C); // 40000 rows
    huge[sof + 6] = char(0x40);
    ASSERT_TRUE(ReadJpegHeader(huge));
    EXPECT_EQ(ReadJpegHeader(huge)->height, 40000);
    EXPECT_TRUE(Decode(huge).picture.isNull());
}
