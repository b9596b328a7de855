#include "imaging/ColourConversion.h"

#include "TestColours.h"
#include "TestJpegKinds.h"
#include "TestJpegs.h"
#include "imaging/JpegDecode.h"
#include "imaging/JpegEncode.h"
#include "imaging/JpegSegments.h"

#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

DecodedPhoto DecodeWhole(const QByteArray& file) {
    return DecodeJpeg(file, [](const JpegHeader&) { return JpegDecodeRequest{}; });
}

// `jpeg` with the parts `numbers` (from 1) of its profile cut in `count`
// APP2 segments, stored in that order.
QByteArray WithProfileParts(const QByteArray& jpeg, const QByteArray& icc, int count,
                            const std::vector<int>& numbers) {
    QByteArray file = jpeg;
    const qsizetype size = (icc.size() + count - 1) / count;
    for (auto number = numbers.rbegin(); number != numbers.rend(); ++number)
        file = WithSegment(file, 0xE2, // each right after SOI: before the later ones
                           QByteArray("ICC_PROFILE\0", 12) + char(*number) + char(count) +
                               icc.mid((*number - 1) * size, size));
    return file;
}

// Patches saved in a wide-gamut profile come back within 8 levels, the
// profile in one segment or in parts in any order; every colour of the cube
// converts within a level of lcms2's own transform (matrix-shaper profiles
// take a faster path of ours).
TEST(ColourConversion, TaggedPhotosComeOutInSrgb) {
    QImage cube(216, 216, QImage::Format_RGB32);
    for (int i = 0; i < 216 * 216; ++i)
        cube.setPixel(i % 216, i / 216,
                      qRgb(i % 36 * 7 + 5, i / 36 % 36 * 7 + 5, i / 1296 * 7 + 5));
    const std::vector<std::pair<const char*, QByteArray>> profiles{
        {"Adobe RGB", GhostscriptProfile("a98.icc")},
        {"ROMM RGB", GhostscriptProfile("rommrgb.icc")},
        {"Display P3", ProfileFromCodedColours(12, 13)},
        {"BT.2020", ProfileFromCodedColours(9, 1)},
    };
    for (const auto& [name, icc] : profiles) {
        ASSERT_FALSE(icc.isEmpty()) << name;
        const QImage stored = InProfile(ColourPatches(), icc);
        const QByteArray plain = EncodeJpeg(stored, 100);
        for (const QByteArray& file :
             {EncodeJpeg(stored, 100, {icc, {}}), WithProfileParts(plain, icc, 3, {3, 1, 2})})
            for (int i = 0; i < int(kPatchColours.size()); ++i)
                EXPECT_LE(PatchError(DecodeWhole(file).picture, i), 8) << name << " patch " << i;
        EXPECT_GT(PatchError(DecodeWhole(plain).picture, 0), 8) << name << " is not sRGB";

        QImage ours = cube;
        ConversionToSrgb(icc, PhotoPixels::Rgb32)->ConvertPicture(ours);
        EXPECT_LE(MaxDifference(ours, Converted(cube, icc, {})), 1) << name;
    }
}

// Adobe's inverted CMYK with a profile: through the profile (skin and grey
// lie within the inks' gamut and come back; the rest is clipped by the inks).
TEST(ColourConversion, CmykPhotosGoThroughTheirProfile) {
    const QByteArray cmyk = GhostscriptProfile("ps_cmyk.icc");
    const QByteArray inks = EncodeKind(InInks(ColourPatches(), cmyk), JpegKind::Inks);
    const QImage decoded = DecodeWhole(WithProfileParts(inks, cmyk, 1, {1})).picture;
    for (int i : {5, 6, 7})
        EXPECT_LE(PatchError(decoded, i), 8) << "patch " << i;
    EXPECT_GT(PatchError(DecodeWhole(inks).picture, 5), 8); // the conversion without a profile
}

// Untagged, sRGB (any form), damaged or CMYK-for-RGB profiles, parts missing
// or twice: the pixels as without a profile, and no conversion.
TEST(ColourConversion, SrgbUntaggedAndUnusableProfilesGiveTheSamePixels) {
    const QByteArray plain = EncodeJpeg(PhotoLike(96, 64), 90);
    const QImage untagged = DecodeWhole(plain).picture;
    const QByteArray p3 = ProfileFromCodedColours(12, 13);
    const QByteArray damaged = SrgbProfile().left(SrgbProfile().size() / 2);
    for (const QByteArray& icc : {SrgbProfile(), GhostscriptProfile("srgb.icc"), damaged,
                                  GhostscriptProfile("ps_cmyk.icc")}) {
        EXPECT_EQ(DecodeWhole(EncodeJpeg(PhotoLike(96, 64), 90, {icc, {}})).picture, untagged);
        EXPECT_EQ(ConversionToSrgb(icc, PhotoPixels::Rgb32), nullptr);
    }
    for (const std::vector<int>& parts : {std::vector{2}, std::vector{1, 2, 1}}) {
        const DecodedPhoto decoded = DecodeWhole(WithProfileParts(plain, p3, 2, parts));
        EXPECT_EQ(decoded.picture, untagged);
        EXPECT_NE(decoded.profileProblem, nullptr);
    }
}

// Pages are tagged sRGB and hold the same pixels as before.
TEST(ColourConversion, PagesCarryTheSrgbProfile) {
    const QImage page = PhotoLike(120, 80);
    const QByteArray tagged = EncodePageJpeg(page);
    EXPECT_EQ(IccProfileOf(*JpegHeaderSegments(tagged)).icc, SrgbProfile());
    EXPECT_EQ(WithoutMetadataSegments(tagged), WithoutMetadataSegments(EncodeJpeg(page)));
}

} // namespace
