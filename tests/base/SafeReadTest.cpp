#include "base/SafeRead.h"

#include "base/FifoWatchdog.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct SafeReadTest : ::testing::Test {
    QTemporaryDir dir;

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

} // namespace

TEST_F(SafeReadTest, ReadsARegularFileWholeUpToTheCap) {
    const QString path = Write(QStringLiteral("ten.txt"), "0123456789");
    EXPECT_EQ(ReadRegularFile(path, 10), QByteArray("0123456789"));
    EXPECT_EQ(ReadRegularFile(path, kMaxTextFileBytes), QByteArray("0123456789"));
    EXPECT_FALSE(ReadRegularFile(path, 9));
    EXPECT_EQ(ReadRegularFile(Write(QStringLiteral("empty.txt"), {}), 10), QByteArray());

    const QByteArray large(3 << 20, 'x'); // more than one read step
    EXPECT_EQ(ReadRegularFile(Write(QStringLiteral("large.bin"), large), large.size()), large);

    QFile file(path);
    EXPECT_TRUE(OpenRegularFile(file, 10));
    EXPECT_EQ(file.readAll(), QByteArray("0123456789"));
    QFile again(path);
    EXPECT_FALSE(OpenRegularFile(again, 9));
    EXPECT_FALSE(again.isOpen());
}

TEST_F(SafeReadTest, MissingFilesAndFoldersAreUnreadable) {
    EXPECT_FALSE(ReadRegularFile(dir.filePath(QStringLiteral("missing")), 100));
    EXPECT_FALSE(ReadRegularFile(dir.path(), kMaxTextFileBytes));
    QFile folder(dir.path());
    EXPECT_FALSE(OpenRegularFile(folder, kMaxTextFileBytes));
}

TEST_F(SafeReadTest, LinkToARegularFileIsRead) {
    const QString target = Write(QStringLiteral("target.txt"), "linked");
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(ReadRegularFile(link, 100), QByteArray("linked"));
}

TEST_F(SafeReadTest, DevicesAreRefused) {
    const QString zero = dir.filePath(QStringLiteral("zero.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    EXPECT_FALSE(ReadRegularFile(zero, kMaxTextFileBytes));
    EXPECT_FALSE(ReadRegularFile(QStringLiteral("/dev/zero"), kMaxTextFileBytes));
    QFile device(zero);
    EXPECT_FALSE(OpenRegularFile(device, kMaxTextFileBytes));
}

TEST_F(SafeReadTest, FifoIsRefusedWithoutWaitingForAWriter) {
    const QString fifo = dir.filePath(QStringLiteral("pipe.txt"));
    ASSERT_TRUE(MakeFifo(fifo));
    std::optional<QByteArray> read = QByteArray("not read");
    bool opened = true;
    EXPECT_TRUE(EndsWithoutBlocking(
        [&] {
            read = ReadRegularFile(fifo, kMaxTextFileBytes);
            QFile file(fifo);
            opened = OpenRegularFile(file, kMaxTextFileBytes);
        },
        {fifo}));
    EXPECT_FALSE(read);
    EXPECT_FALSE(opened);
}
