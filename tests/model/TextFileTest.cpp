#include "model/TextFile.h"
#include "base/FifoWatchdog.h"
#include "base/LumbraError.h"
#include "base/SafeRead.h"
#include "model/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(TextFileTest, WritesCrLfLinesAndReadsAnyLineEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    TextFile::WriteLines(path, {"one", "", "three"});
    EXPECT_EQ(ReadBytes(path), QByteArray("one\r\n\r\nthree\r\n"));
    EXPECT_EQ(TextFile::ReadLines(path), QStringList({"one", "", "three"}));

    QFile mixed(dir.filePath("b.txt"));
    ASSERT_TRUE(mixed.open(QIODevice::WriteOnly));
    mixed.write("a\nb\rc\r\nd");
    mixed.close();
    EXPECT_EQ(TextFile::ReadLines(mixed.fileName()), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(TextFile::ReadFirstLine(mixed.fileName()), "a");
}

TEST(TextFileTest, MissingFileReadsAsNothing) {
    QTemporaryDir dir;
    EXPECT_FALSE(TextFile::ReadLines(dir.filePath("none")).has_value());
    EXPECT_EQ(TextFile::ReadFirstLine(dir.filePath("none")), QString());
}

TEST(TextFileTest, FailedWriteKeepsThePreviousFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("book.pbx");
    TextFile::WriteLines(path, {"old content"});
    {
        const FileSizeLimit diskFull(64);
        EXPECT_THROW(TextFile::WriteLines(path, {QString(4096, 'x')}), LumbraError);
    }
    EXPECT_EQ(ReadBytes(path), QByteArray("old content\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"book.pbx"})); // no temp left
}

TEST(TextFileTest, OnlyRegularFilesOfSixteenMegabytesAtMostAreRead) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("book.pbx");
    ASSERT_TRUE(MakeFifo(fifo));
    const QString zero = dir.filePath("order.pbx");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    const QString large = dir.filePath("large.pbx");
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(kMaxTextFileBytes + 1));
    file.close();

    for (const QString& path : {fifo, zero, large}) {
        std::optional<QStringList> lines = QStringList();
        EXPECT_TRUE(EndsWithoutBlocking([&] { lines = TextFile::ReadLines(path); }, {fifo}));
        EXPECT_FALSE(lines) << path.toStdString();
    }
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(kMaxTextFileBytes));
    file.close();
    EXPECT_EQ(TextFile::ReadLines(large).value_or(QStringList()).size(), 1);
}
