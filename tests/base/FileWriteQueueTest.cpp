#include "base/FileWriteQueue.h"

#include "base/LogCapture.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <future>

namespace {

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// While the queue's thread is held, a file asked for twice is written once,
// with the last content, at the place of its first request: work asked for
// between the two sees the last content.
TEST(FileWriteQueue, WritesInOrderWithTheLastContentOfAFile) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.txt");
    const QString b = dir.filePath("b.txt");
    std::promise<void> gate;
    QByteArray seenByWork;
    {
        FileWriteQueue queue;
        queue.Post([held = gate.get_future().share()] { held.wait(); });
        queue.Write(a, "first");
        queue.Write(b, "other");
        queue.Post([&] { seenByWork = Content(a) + "|" + Content(b); });
        queue.Write(a, "second");
        EXPECT_EQ(Content(a), "<missing>") << "nothing is written on the caller's thread";
        gate.set_value();
        EXPECT_TRUE(queue.WaitForWrites());
        EXPECT_EQ(seenByWork, "second|other");
        EXPECT_EQ(Content(a), "second");

        queue.Write(a, "at the end");
    } // the destruction writes what waits
    EXPECT_EQ(Content(a), "at the end");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"a.txt", "b.txt"}));
}

TEST(FileWriteQueue, AFailureIsLoggedAndReportedOnce) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("no/such/folder/book.pbx");
    FileWriteQueue queue;
    QSignalSpy failed(&queue, &FileWriteQueue::writeFailed);
    LogCapture log;

    queue.Write(missing, "x");
    const Result<void> waited = queue.WaitForWrites();
    ASSERT_FALSE(waited);
    EXPECT_TRUE(waited.Error().message.contains("book.pbx"))
        << waited.Error().message.toStdString();
    EXPECT_TRUE(waited.Error().detail.contains(missing));
    EXPECT_TRUE(log.Logged("lumbra.base", missing));
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(queue.WaitForWrites()) << "reported already";

    queue.Post([] { throw std::runtime_error("stamp"); });
    ASSERT_TRUE(failed.wait(5000)) << "the event loop reports a failure nobody waited for";
    EXPECT_EQ(failed.count(), 2);
    EXPECT_TRUE(queue.WaitForWrites());
    EXPECT_EQ(failed.count(), 2);
}
