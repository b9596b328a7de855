#include "imaging/ExifTakenTime.h"

#include "TestJpegs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace TestJpegs;

namespace {

const QDateTime kTaken(QDate(2021, 7, 4), QTime(10, 20, 30), Qt::UTC);
// Where the sub-IFD's DateTimeOriginal entry lies.
constexpr qsizetype kTakenEntry = kTiffSubIfd + 2 + 12;

} // namespace

TEST(ExifTakenTime, ReadsDateTimeOriginalInBothByteOrders) {
    for (const bool bigEndian : {false, true}) {
        const QByteArray jpeg =
            WithExif(SmallJpeg(), CameraTiff(bigEndian, 6, "2021:07:04 10:20:30"));
        EXPECT_EQ(ExifTakenTime(jpeg), kTaken) << bigEndian;
        // The start of the file is enough, cut anywhere after the EXIF block.
        EXPECT_EQ(ExifTakenTime(jpeg.first(jpeg.indexOf("Maker") + 40)), kTaken);
    }
    EXPECT_EQ(ExifTakenTime(SmallJpeg()), std::nullopt);
    EXPECT_EQ(ExifTakenTime({}), std::nullopt);
}

TEST(ExifTakenTime, IsNoneForEveryDamagedBlock) {
    const std::pair<const char*, std::function<void(QByteArray&)>> damages[] = {
        {"not a date", [](QByteArray& t) { t.replace(t.indexOf("2021"), 4, "20x1"); }},
        {"month 13", [](QByteArray& t) { t.replace(t.indexOf("2021") + 5, 2, "13"); }},
        {"stored as SHORT", [](QByteArray& t) { PutShort(t, kTakenEntry + 2, 3); }},
        {"count too short", [](QByteArray& t) { PutLong(t, kTakenEntry + 4, 10); }},
        {"text past the end",
         [](QByteArray& t) { PutLong(t, kTakenEntry + 8, quint32(t.size() - 5)); }},
        {"huge count", [](QByteArray& t) { PutLong(t, kTakenEntry + 4, 0xFFFFFFF0); }},
        {"sub-IFD outside", [](QByteArray& t) { PutLong(t, kTiffIfd0 + 26 + 8, 0xFFFFFF00); }},
        {"sub-IFD pointer as SHORT", [](QByteArray& t) { PutShort(t, kTiffIfd0 + 26 + 2, 3); }},
        {"cut in the text", [](QByteArray& t) { t.chop(8); }},
    };
    for (const bool bigEndian : {false, true})
        for (const auto& [name, damage] : damages) {
            QByteArray tiff = CameraTiff(bigEndian, 1, "2021:07:04 10:20:30");
            damage(tiff);
            EXPECT_EQ(ExifTakenTime(WithExif(SmallJpeg(), tiff)), std::nullopt) << name;
        }
}

TEST(ExifTakenTime, FileWithoutExifGivesItsLocalModificationTime) {
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.jpg"));
    const QString camera = dir.filePath(QStringLiteral("camera.jpg"));
    WriteBytes(plain, SmallJpeg());
    WriteBytes(camera, WithExif(SmallJpeg(), CameraTiff(false, 1, "2021:07:04 10:20:30")));
    const QDateTime local(QDate(2019, 1, 2), QTime(3, 4, 5), Qt::LocalTime);
    for (const QString& path : {plain, camera}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(local, QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(PhotoFileTakenTime(plain), QDateTime(local.date(), local.time(), Qt::UTC));
    EXPECT_EQ(PhotoFileTakenTime(camera), kTaken);
    EXPECT_EQ(PhotoFileTakenTime(dir.filePath(QStringLiteral("missing.jpg"))), std::nullopt);
}
