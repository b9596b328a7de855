#include "model/BookStateFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(BookStateFileTest, JoinPutsPlusBeforeEveryPageAndSplitUndoesIt) {
    const QStringList pages{"Photo[0,0,1,1,0]Image{}", "", "Text[1,1,1,1,0]Text{QUJD}"};
    const QString line = BookStateFile::Join(pages);
    EXPECT_EQ(line, "+Photo[0,0,1,1,0]Image{}++Text[1,1,1,1,0]Text{QUJD}");
    EXPECT_EQ(BookStateFile::Split(line), QStringList({""}) + pages);
}

TEST(BookStateFileTest, PlusInsideBracesOrBackgroundNameDoesNotSplit) {
    // Written by an older writer: a text's Base64 holds "+", the background a "+".
    const QString first = "Photo[0,0,289,208,0]Image{}Text{Pj4+Pg==}bgImage(sea+sky)";
    const QString second = "Text[30,180,230,25,0]Image{}Text{+++}bgImage()";
    EXPECT_EQ(BookStateFile::Split("+" + first + "+" + second),
              QStringList({"", first, second}));
}

TEST(BookStateFileTest, UnclosedBraceKeepsTheRestTogether) {
    EXPECT_EQ(BookStateFile::Split("+a{b+c"), QStringList({"", "a{b+c"}));
    EXPECT_EQ(BookStateFile::Split("+a}b+c"), QStringList({"", "a}b", "c"}));
}

TEST(BookStateFileTest, ReadJoinsLinesUnlessTheFirstIsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath("book.pbx");
    WriteRaw(path, "+A[\r\n+B[\r\n");
    EXPECT_EQ(BookStateFile::ReadJoined(path), "+A[+B[");
    WriteRaw(path, "\r\n+A[\r\n+B[\r\n");
    EXPECT_EQ(BookStateFile::ReadJoined(path), QString());
    EXPECT_EQ(BookStateFile::ReadJoined(dir.filePath("missing.pbx")), QString());
}

TEST(BookStateFileTest, WriteEndsTheLineWithCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("book.pbx");
    BookStateFile::Write(path, "+A+B");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("+A+B\r\n"));
}
