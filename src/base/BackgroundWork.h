#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <type_traits>
#include <utility>

// The one shape of background work (docs/ARCHITECTURE.md, "Background work").
//
// RunInBackground(receiver, job, deliver) runs job() on a thread pool and
// hands its value to deliver(value) on the receiver's thread; call it on
// that thread. The job holds plain values only (a snapshot taken on the
// receiver's thread) and never touches model objects.
//
// The value comes back through a QFutureWatcher that is a child of the
// receiver: made on the receiver's thread, deleted there after delivery,
// or with the receiver, in which case the value is dropped and deliver is
// never called. A job that throws delivers a default value; the error is
// logged. The returned future lets an owner wait for the job, which it must
// when the job writes files or reads the owner's members.
namespace background_work {

// Both log the exception being handled; call them inside a catch block.
void LogJobError();
void LogDeliveryError();

template <typename Job> auto RunLogged(Job& job) -> std::invoke_result_t<Job&> {
    try {
        return job();
    } catch (...) {
        LogJobError();
    }
    return {};
}

} // namespace background_work

template <typename Job, typename Deliver>
auto RunInBackground(QObject* receiver, Job job, Deliver deliver,
                     QThreadPool* pool = QThreadPool::globalInstance())
    -> QFuture<std::invoke_result_t<Job&>> {
    using Value = std::invoke_result_t<Job&>;
    static_assert(!std::is_void_v<Value>, "a background job returns its result as a value");
    Q_ASSERT(receiver && receiver->thread() == QThread::currentThread());
    auto* watcher = new QFutureWatcher<Value>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher, deliver]() mutable {
        watcher->deleteLater();
        if (watcher->isCanceled())
            return; // the pool dropped the job before it ran
        try {
            deliver(watcher->result());
        } catch (...) {
            background_work::LogDeliveryError();
        }
    });
    QFuture<Value> future = QtConcurrent::run(
        pool, [job = std::move(job)]() mutable { return background_work::RunLogged(job); });
    watcher->setFuture(future);
    return future;
}
