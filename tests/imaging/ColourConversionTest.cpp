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

QImage DecodeWhole(const QByteArray& file) {
    return DecodeJpeg(file, [](const JpegHeader&) { return JpegDecodeRequest{}; }).picture;
}

// `jpeg` with the parts `numbers` (from 1) of its profile cut in `count`
// APP2 segments, stored in that order.
QByteArray WithProfileParts(const QByteArray& jpeg, const QByteArray& icc, int count,
                            const std::vector<int>& numbers) {
    QByteArray file = jpeg;
    const qsizetype size = (icc.size() + count - 1) / count;
    for (auto number = numbers.rbegin(); number != numbers.rend(); ++number) {
        QByteArray payload = QByteArray("ICC_PROFILE\0", 12);
        payload += char(*number);
        payload += char(count);
        payload += icc.mid((*number - 1) * size, size);
        file = WithSegment(file, 0xE2, payload); // right after SOI: before the later ones
    }
    return file;
}

TEST(ColourConversion, TaggedPhotosComeOutInSrgbWithinEightLevels) {
    const QImage patches = ColourPatches();
    const std::vector<std::pair<const char*, QByteArray>> profiles{
        {"Adobe RGB", GhostscriptProfile("a98.icc")},
        {"ROMM RGB", GhostscriptProfile("rommrgb.icc")},
        {"Display P3", ProfileFromCodedColours(12, 13)},
    };
    for (const auto& [name, icc] : profiles) {
        ASSERT_FALSE(icc.isEmpty()) << name;
        const QImage stored = InProfile(patches, icc);
        const QByteArray plain = EncodeJpeg(stored, 100);
        const QByteArray tagged = EncodeJpeg(stored, 100, {icc, {}});
        // One segment, or parts in any order: the same profile.
        for (const QByteArray& file : {tagged, WithProfileParts(plain, icc, 3, {3, 1, 2})}) {
            const QImage decoded = DecodeWhole(file);
            for (int i = 0; i < int(kPatchColours.size()); ++i)
                EXPECT_LE(PatchError(decoded, i), 8) << name << " patch " << i;
        }
        EXPECT_GT(PatchError(DecodeWhole(plain), 0), 8) << name << " is not sRGB";
    }
}

// Matrix-shaper profiles take a faster path of our own: it gives what lcms2
// gives, within a level, over the whole colour cube.
TEST(ColourConversion, EveryColourConvertsAsLcmsConvertsIt) {
    QImage cube(216, 216, QImage::Format_RGB32);
    for (int i = 0; i < 216 * 216; ++i)
        cube.setPixel(i % 216, i / 216,
                      qRgb(i % 36 * 7 + 5, i / 36 % 36 * 7 + 5, i / 1296 * 7 + 5));
    for (const QByteArray& icc : {GhostscriptProfile("a98.icc"), GhostscriptProfile("rommrgb.icc"),
                                  ProfileFromCodedColours(12, 13), ProfileFromCodedColours(9, 1)}) {
        const auto conversion = ConversionToSrgb(icc, PhotoPixels::Rgb32);
        ASSERT_NE(conversion, nullptr);
        QImage ours = cube;
        conversion->ConvertPicture(ours);
        EXPECT_LE(MaxDifference(ours, Converted(cube, icc, {})), 1);
    }
}

// Adobe's inverted CMYK with a profile: through the profile (skin and grey
// lie within the inks' gamut and come back; the rest is clipped by the inks).
TEST(ColourConversion, CmykPhotosGoThroughTheirProfile) {
    const QByteArray cmyk = GhostscriptProfile("ps_cmyk.icc");
    const QByteArray inks = EncodeKind(InInks(ColourPatches(), cmyk), JpegKind::Inks);
    const QImage decoded = DecodeWhole(WithProfileParts(inks, cmyk, 1, {1}));
    for (int i : {5, 6, 7})
        EXPECT_LE(PatchError(decoded, i), 8) << "patch " << i;
    EXPECT_GT(PatchError(DecodeWhole(inks), 5), 8); // the conversion without a profile
}

TEST(ColourConversion, SrgbUntaggedAndUnusableProfilesGiveTheSamePixels) {
    const QByteArray plain = EncodeJpeg(PhotoLike(96, 64), 90);
    const QImage untagged = DecodeWhole(plain);
    QByteArray damaged = SrgbProfile();
    damaged.truncate(damaged.size() / 2);
    const QByteArray cmyk = GhostscriptProfile("ps_cmyk.icc");
    for (const QByteArray& icc : {SrgbProfile(), GhostscriptProfile("srgb.icc"), damaged, cmyk}) {
        EXPECT_EQ(DecodeWhole(EncodeJpeg(PhotoLike(96, 64), 90, {icc, {}})), untagged);
        EXPECT_EQ(ConversionToSrgb(icc, PhotoPixels::Rgb32), nullptr);
    }
    // A part missing or twice: the profile is not used, the photo still decodes.
    const QByteArray p3 = ProfileFromCodedColours(12, 13);
    for (const std::vector<int>& parts : {std::vector{2}, std::vector{1, 2, 1}}) {
        const DecodedPhoto decoded =
            DecodeJpeg(WithProfileParts(plain, p3, 2, parts),
                       [](const JpegHeader&) { return JpegDecodeRequest{}; });
        EXPECT_EQ(decoded.picture, untagged);
        EXPECT_NE(decoded.profileProblem, nullptr);
    }
}

TEST(ColourConversion, PagesCarryTheSrgbProfileAndTheSamePixels) {
    const QImage page = PhotoLike(120, 80);
    const QByteArray tagged = EncodePageJpeg(page);
    const auto segments = JpegHeaderSegments(tagged);
    ASSERT_TRUE(segments);
    EXPECT_EQ(IccProfileOf(*segments).icc, SrgbProfile());
    EXPECT_EQ(WithoutMetadataSegments(tagged), WithoutMetadataSegments(EncodeJpeg(page)));
}

} // namespace
