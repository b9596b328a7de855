#include "TestJpegs.h"

#include "base/LumbraError.h"
#include "imaging/Thumb.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestJpegs;

TEST(Thumb, SizeComesFromTheDimFileWhenItIsSound) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/p_md");
    Write(path + QStringLiteral(".jpg"), PhotoLike(64, 48));
    WriteBytes(path + QStringLiteral(".dim"), "1024,768\r\n");
    Thumb thumb(path);
    EXPECT_EQ(thumb.FilePath(), path + QStringLiteral(".jpg"));
    EXPECT_EQ(thumb.width(), 1024); // trusted without decoding
    EXPECT_EQ(thumb.height(), 768);
}

TEST(Thumb, BadDimFilesAreRebuiltFromThePicture) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/p_sm");
    Write(path + QStringLiteral(".jpg"), PhotoLike(64, 48));
    for (const QByteArray& bad : {QByteArray("0,48\r\n"), QByteArray("64 48\r\n"),
                                  QByteArray("abc,def"), QByteArray(), QByteArray("-5,7\r\n")}) {
        WriteBytes(path + QStringLiteral(".dim"), bad);
        Thumb thumb(path);
        EXPECT_EQ(thumb.height(), 48) << bad.constData();
        EXPECT_EQ(thumb.width(), 64);
        EXPECT_EQ(ReadBytes(path + QStringLiteral(".dim")), QByteArray("64,48\r\n"));
    }
}

TEST(Thumb, MissingPictureMeansUnknownSize) {
    QTemporaryDir dir;
    Thumb thumb(dir.path() + QStringLiteral("/gone_lg"));
    EXPECT_THROW(thumb.width(), LumbraError);
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/gone_lg.dim")));
    thumb.Delete(); // nothing there: no error
}
