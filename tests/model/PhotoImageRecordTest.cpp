#include "model/PhotoImageRecord.h"
#include "base/LumbraError.h"
#include "model/PhotoImage.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral("0123456789abcdef0123456789abcdef");

// Runs with German number formatting (decimal comma) as default locale.
struct GermanLocale : ::testing::Test {
    void SetUp() override {
        saved = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override { QLocale::setDefault(saved); }
    QLocale saved;
};

} // namespace

TEST_F(GermanLocale, RecordUsesDecimalPointAndReadsBack) {
    PhotoRecord record{-12, 40, 0.8f, 90};
    const QString text = FormatPhotoRecord(QStringLiteral("1F") + kKey, record);
    EXPECT_EQ(text, QStringLiteral("1F") + kKey + QStringLiteral(",-12,40,0.8,90"));

    for (int v : {100, 110, 111, 175, 250}) {
        record.ratio = 100.0f / float(v);
        const QString line = FormatPhotoRecord(QStringLiteral("N"), record);
        const PhotoRecord back = ParsePhotoRecord(line);
        EXPECT_NEAR(back.ratio, record.ratio, 1e-6) << line.toStdString();
        EXPECT_EQ(FormatPhotoRecord(QStringLiteral("N"), back), line);
    }
    EXPECT_EQ(FormatPhotoRecord(QStringLiteral("N"), PhotoRecord{0, 0, 100.0f / 110, 0}),
              QStringLiteral("N,0,0,0.9090909,0"));
    EXPECT_EQ(FormatPhotoRecord(QStringLiteral("N"), PhotoRecord{}), QStringLiteral("N,0,0,1,0"));
}

TEST_F(GermanLocale, PhotoRoundTripInsideItsBox) {
    PhotoImage photo;
    photo.CopyName(QStringLiteral("ABC") + kKey);
    photo.SetKey(QStringLiteral("/nowhere/"), kKey);
    const QString line = QStringLiteral("ABC") + kKey + QStringLiteral(",5,-3,0.5,180");
    photo.Deserialize(line); // no box: values are taken as they are
    EXPECT_EQ(photo.X(), 5);
    EXPECT_EQ(photo.Y(), -3);
    EXPECT_FLOAT_EQ(photo.ratio(), 0.5f);
    EXPECT_EQ(photo.Angle(), 180);
    EXPECT_EQ(photo.Serialize(), line);
}

TEST(PhotoRecord, BadRecordsThrow) {
    EXPECT_THROW(ParsePhotoRecord(QStringLiteral("name,1,2,0.5")), LumbraError);
    EXPECT_THROW(ParsePhotoRecord(QStringLiteral("name")), LumbraError);
    EXPECT_THROW(ParsePhotoRecord(QStringLiteral("name,1,x,0.5,0")), LumbraError);
    EXPECT_THROW(ParsePhotoRecord(QStringLiteral("name,1,2,0;5,0")), LumbraError);
    const PhotoRecord extra = ParsePhotoRecord(QStringLiteral("name, 7 ,-8, 0.25 ,270,junk"));
    EXPECT_EQ(extra.x, 7);
    EXPECT_EQ(extra.y, -8);
    EXPECT_FLOAT_EQ(extra.ratio, 0.25f);
    EXPECT_EQ(extra.angle, 270);
}

TEST(PhotoRecord, OutOfRangeRatioIsBroughtIntoRange) {
    PhotoImage photo;
    photo.Deserialize(QStringLiteral("n,0,0,0,0"));
    EXPECT_GT(photo.ratio(), 0.0f);
    photo.Deserialize(QStringLiteral("n,0,0,3.5,0"));
    EXPECT_FLOAT_EQ(photo.ratio(), 1.0f);
    EXPECT_THROW(photo.Deserialize(QStringLiteral("n,0,0,nan,0")), LumbraError);
}

TEST(PhotoRecord, SecondsStampCountsWallClockSeconds) {
    EXPECT_EQ(SecondsStamp(QDateTime(QDate(2006, 1, 1), QTime(0, 0, 0))), QStringLiteral("0"));
    EXPECT_EQ(SecondsStamp(QDateTime(QDate(2006, 1, 1), QTime(0, 0, 15, 900))),
              QStringLiteral("F"));
    // 2007-01-01 is 365 days later: 31536000 = 0x1E13380
    EXPECT_EQ(SecondsStamp(QDateTime(QDate(2007, 1, 1), QTime(0, 0, 0))),
              QStringLiteral("1E13380"));
    PhotoImage photo;
    photo.SetName(kKey);
    EXPECT_TRUE(photo.GetName().endsWith(kKey));
    EXPECT_GE(photo.GetName().size(), 32 + 8);
    EXPECT_EQ(photo.GetName().left(photo.GetName().size() - 32).toUpper(),
              photo.GetName().left(photo.GetName().size() - 32));
}
