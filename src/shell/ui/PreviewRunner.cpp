#include "shell/ui/PreviewRunner.h"

#include <QtConcurrent/QtConcurrentRun>
#include <exception>

PreviewRunner::PreviewRunner(QObject* parent) : QObject(parent) {
    connect(&mWatcher, &QFutureWatcher<QString>::finished, this,
            [this] {
                mRunning = false;
                emit Finished(mWatcher.future().result());
            });
}

PreviewRunner::~PreviewRunner() {
    mWatcher.waitForFinished();
}

bool PreviewRunner::Start(Job job) {
    if (IsRunning())
        return false;
    // Signals emitted on the worker reach UI-thread receivers queued.
    mRunning = true;
    const Progress progress = [this](int index, int last) { emit PageDone(index, last); };
    mWatcher.setFuture(QtConcurrent::run([job = std::move(job), progress]() -> QString {
        try {
            return job(progress);
        } catch (const std::exception&) {
            return {};
        }
    }));
    return true;
}
