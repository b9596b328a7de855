#include "base/FileWriteQueue.h"

#include "base/AtomicWrite.h"
#include "base/BaseLog.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

FileWriteQueue::FileWriteQueue(QObject* parent) : QObject(parent) {
    mThread.setMaxThreadCount(1);
    mThread.setObjectName(QStringLiteral("FileWriteQueue"));
}

// The failures of these last writes are logged only: nobody is left to tell.
FileWriteQueue::~FileWriteQueue() {
    WaitUntilIdle();
    mThread.waitForDone();
}

void FileWriteQueue::WaitUntilIdle() {
    std::unique_lock lock(mMutex);
    mIdle.wait(lock, [this] { return !mDraining; });
}

void FileWriteQueue::Write(const QString& path, QByteArray bytes) {
    std::lock_guard lock(mMutex);
    const auto waiting = std::find_if(mTasks.begin(), mTasks.end(),
                                      [&path](const Task& task) { return task.path == path; });
    if (waiting != mTasks.end()) {
        waiting->bytes = std::move(bytes);
        return;
    }
    Push({path, std::move(bytes), {}});
}

void FileWriteQueue::Post(std::function<void()> work) {
    std::lock_guard lock(mMutex);
    Push({QString(), QByteArray(), std::move(work)});
}

void FileWriteQueue::Push(Task task) {
    mTasks.push_back(std::move(task));
    if (!std::exchange(mDraining, true))
        mThread.start([this] { Drain(); });
}

// The queue's thread: runs the tasks until none is left.
void FileWriteQueue::Drain() {
    for (;;) {
        Task task;
        {
            std::lock_guard lock(mMutex);
            if (mTasks.empty()) {
                mDraining = false;
                mIdle.notify_all();
                return;
            }
            task = std::move(mTasks.front());
            mTasks.pop_front();
        }
        try {
            if (task.path.isEmpty())
                task.work();
            else
                WriteFileAtomically(task.path, task.bytes);
        } catch (const std::exception&) {
            LogCaughtException(lcBase(), "Writing a file in the background");
            const Failure failure = CaughtFailure(
                QCoreApplication::translate("FileWriteQueue", "A file could not be written."));
            std::lock_guard lock(mMutex);
            mFailures.push_back(failure);
            QMetaObject::invokeMethod(
                this, [this] { ReportFailures(); }, Qt::QueuedConnection);
        }
    }
}

Result<void> FileWriteQueue::WaitForWrites() {
    WaitUntilIdle();
    return ReportFailures();
}

Result<void> FileWriteQueue::ReportFailures() {
    std::vector<Failure> failures;
    {
        std::lock_guard lock(mMutex);
        failures.swap(mFailures);
    }
    for (const Failure& failure : failures)
        emit writeFailed(failure);
    if (failures.empty())
        return {};
    return failures.front();
}
