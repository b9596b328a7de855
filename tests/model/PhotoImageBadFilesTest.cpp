#include "imaging/TestJpegs.h"

#include "base/LumbraError.h"
#include "imaging/PhotoImageFiles.h"
#include "model/PhotoImage.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace TestJpegs;

namespace {

struct BadFile {
    const char* name;
    std::function<void(const QString& path)> make;
};

void Truncated(const QString& path) {
    Write(path, PhotoLike(640, 480));
    WriteBytes(path, ReadBytes(path).left(ReadBytes(path).size() / 2));
}

void HeaderOnly(const QString& path) {
    Write(path, PhotoLike(64, 48));
    WriteBytes(path, ReadBytes(path).left(200));
}

// A PNG is taken whatever its name, but not a cut one.
void CutPngNamedJpg(const QString& path) {
    ASSERT_TRUE(PhotoLike(64, 48).save(path, "PNG"));
    WriteBytes(path, ReadBytes(path).left(ReadBytes(path).size() / 2));
}

void Huge(const QString& path) {
    Write(path, PhotoLike(64, 48));
    ClaimSize(path, 60000, 60000);
}

void Strip(const QString& path) { Write(path, PhotoLike(1, 5000)); }

const BadFile kBadFiles[] = {
    {"ZeroBytes", [](const QString& p) { WriteBytes(p, {}); }},
    {"Truncated", Truncated},
    {"HeaderOnly", HeaderOnly},
    {"CutPngNamedJpg", CutPngNamedJpg},
    {"TextNamedJpg", [](const QString& p) { WriteBytes(p, "just some words\n"); }},
    {"ClaimsHugeSize", Huge},
    {"OnePixelStrip", Strip},
    {"Missing", [](const QString&) {}},
    {"Folder", [](const QString& p) { QDir().mkpath(p); }},
};

struct BadPhotoTest : ::testing::TestWithParam<BadFile> {};

} // namespace

TEST_P(BadPhotoTest, IsRefusedAndLeavesNoFiles) {
    QTemporaryDir dir;
    const QString book = dir.path() + QStringLiteral("/book/");
    ASSERT_TRUE(QDir().mkpath(book));
    const QString source = dir.path() + QStringLiteral("/bad.jpg");
    GetParam().make(source);

    PhotoImage photo;
    EXPECT_NO_THROW(photo.SetImage(source, book));
    EXPECT_FALSE(photo.IsSupportedFormat());
    EXPECT_EQ(photo.GetKey().size(), 32); // name and key are set all the same
    PhotoImage background;
    EXPECT_NO_THROW(background.SetBackgroundImage(source, book));
    EXPECT_FALSE(background.IsSupportedFormat());
    EXPECT_TRUE(
        QDir(book).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Images, BadPhotoTest, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PhotoImageFiles, WriteFailureRemovesWhatWasWritten) {
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/good.jpg");
    Write(source, PhotoLike(300, 200));
    const QString book = dir.path() + QStringLiteral("/book/");
    ASSERT_TRUE(QDir().mkpath(book + QStringLiteral("stem_lg.jpg"))); // blocks the large thumbnail
    EXPECT_THROW(MakePhotoFiles(source, book + QStringLiteral("stem"), kPhotoThumbBoxes),
                 LumbraError);
    EXPECT_EQ(QDir(book).entryList(QDir::Files | QDir::Hidden), QStringList());

    PhotoImage photo;
    EXPECT_THROW(photo.SetImage(source, dir.path() + QStringLiteral("/no/such/folder/")),
                 LumbraError);
    EXPECT_FALSE(photo.IsSupportedFormat());
}

TEST(PhotoImageFiles, ImportDropsStaleSizeFiles) {
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/good.jpg");
    Write(source, PhotoLike(300, 200));
    const QString stem = dir.path() + QStringLiteral("/leaf");
    WriteBytes(stem + QStringLiteral("_or.dim"), "9,9\r\n");
    PhotoImage photo;
    photo.SetBackgroundImage(source, dir.path() + QLatin1Char('/'));
    ASSERT_EQ(photo.GetKey(), QStringLiteral("good"));
    ASSERT_TRUE(photo.IsSupportedFormat());
    EXPECT_TRUE(MakePhotoFiles(source, stem, kBackgroundThumbBoxes));
    EXPECT_FALSE(QFile::exists(stem + QStringLiteral("_or.dim")));
}
