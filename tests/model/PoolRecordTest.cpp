#include "model/PoolRecord.h"

#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// A photo is measured once, at its import; a book from before records gets
// them when it is opened: the window's opening on the pool, the command
// line's at once. Either way the record is stored beside the photo's files.
TEST(PoolRecordTest, APhotoOfAnOlderBookIsRecordedOnceWhenTheBookOpens) {
    QTemporaryDir books;
    QTemporaryDir pictures;
    const QString photoFile = pictures.filePath(QStringLiteral("p.jpg"));
    TestJpegs::Write(photoFile, TestJpegs::PhotoLike(320, 240));
    QString stem;
    {
        const auto book = MakeTripBook(books.path() + u'/');
        book->CreateOnDisk(QStringLiteral("Trip"));
        PhotoImage photo;
        photo.SetImage(photoFile, book->GetBookFolder());
        ASSERT_EQ(ReadPoolRecord(photo.Stem()), photo.Record());
        ASSERT_TRUE(photo.Record());
        EXPECT_EQ(photo.Record()->size, QSize(320, 240));
        stem = photo.Stem();
    }
    const std::optional<PoolRecord> made = ReadPoolRecord(stem);
    for (const Book::Opening opening : {Book::Opening::Keep, Book::Opening::Tidy}) {
        ASSERT_TRUE(QFile::remove(PoolRecordPath(stem))); // as an older build left it
        const auto book = MakeTripBook(books.path() + u'/');
        book->LoadBook(opening);
        const auto photo = *book->Photos().begin();
        if (opening == Book::Opening::Tidy) {
            EXPECT_FALSE(photo->Record()); // still being measured
            ASSERT_TRUE(QTest::qWaitFor([&] { return bool(photo->Record()); }, 20000));
        }
        EXPECT_EQ(photo->Record(), made);
        EXPECT_EQ(ReadPoolRecord(stem), made);
    }
}
