#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

// Disk work taken off the UI thread: files written whole (WriteFileAtomically,
// so a crash leaves the old file or the new one) and other small file work,
// one at a time on a thread of its own, in the order asked. A file asked for
// while an earlier content of it still waits replaces that content, so a
// burst of saves ends in one or two writes.
//
// Failures are logged under lumbra.base and reported by writeFailed on the
// owner's thread: from the event loop, or at once by WaitForWrites.
class FileWriteQueue : public QObject {
    Q_OBJECT
public:
    explicit FileWriteQueue(QObject* parent = nullptr);
    // Writes what waits first: nothing asked for is lost. Failures of those
    // writes are only logged; owners that can tell the user call
    // WaitForWrites before.
    ~FileWriteQueue() override;

    // `bytes` as the whole content of `path`, replacing a content of it that waits.
    void Write(const QString& path, QByteArray bytes);
    // Other file work in the same order (a file's time stamp, say). It may throw.
    void Post(std::function<void()> work);
    // Blocks until everything asked for so far is done, then reports the
    // failures not reported yet (writeFailed). The first of them, if any.
    Result<void> WaitForWrites();

signals:
    void writeFailed(const Failure& failure);

private:
    struct Task {
        QString path; // empty: `work`
        QByteArray bytes;
        std::function<void()> work;
    };

    // With the mutex held.
    void Push(Task task);
    void Drain();
    void WaitUntilIdle();
    Result<void> ReportFailures();

    std::mutex mMutex;
    std::condition_variable mIdle;
    std::deque<Task> mTasks;
    bool mDraining = false;
    std::vector<Failure> mFailures;
    QThreadPool mThread; // one thread: the tasks run in order
};
