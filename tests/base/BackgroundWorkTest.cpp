#include "base/BackgroundWork.h"

#include "base/LogCapture.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QSemaphore>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

namespace {

constexpr int kWaitMs = 10000;

// Runs the queued calls and pending deletions that are due now.
void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

TEST(BackgroundWork, TheJobRunsOnThePoolAndItsValueComesToTheReceiversThread) {
    QObject receiver;
    QThread* jobThread = nullptr;
    QThread* deliveryThread = nullptr;
    int value = 0;
    RunInBackground(
        &receiver,
        [&jobThread] {
            jobThread = QThread::currentThread();
            return 42;
        },
        [&](int v) {
            value = v;
            deliveryThread = QThread::currentThread();
        });
    ASSERT_TRUE(QTest::qWaitFor([&] { return value != 0; }, kWaitMs));
    EXPECT_EQ(value, 42);
    EXPECT_NE(jobThread, QThread::currentThread());
    EXPECT_EQ(deliveryThread, QThread::currentThread());
}

TEST(BackgroundWork, TheWatcherIsDeletedOnTheReceiversThreadAfterDelivery) {
    QObject receiver;
    bool delivered = false;
    RunInBackground(
        &receiver, [] { return 1; }, [&](int) { delivered = true; });
    const auto watchers = receiver.findChildren<QFutureWatcherBase*>();
    ASSERT_EQ(watchers.size(), 1);
    QThread* deletedOn = nullptr;
    QObject::connect(watchers.front(), &QObject::destroyed,
                     [&] { deletedOn = QThread::currentThread(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return deletedOn != nullptr; }, kWaitMs));
    EXPECT_TRUE(delivered);
    EXPECT_EQ(deletedOn, QThread::currentThread());
    EXPECT_TRUE(receiver.findChildren<QFutureWatcherBase*>().isEmpty());
}

TEST(BackgroundWork, AReceiverDeletedBeforeTheValueArrivesGetsNothing) {
    QSemaphore started, release;
    bool delivered = false;
    QFuture<int> future;
    {
        QObject receiver;
        future = RunInBackground(
            &receiver,
            [&] {
                started.release();
                release.acquire();
                return 7;
            },
            [&](int) { delivered = true; });
        started.acquire(); // the job runs while the receiver goes
    }
    release.release();
    future.waitForFinished();
    Settle();
    EXPECT_EQ(future.result(), 7);
    EXPECT_FALSE(delivered);
}

TEST(BackgroundWork, AJobThatThrowsDeliversADefaultValue) {
    LogCapture log;
    QObject receiver;
    std::optional<QString> delivered;
    RunInBackground(
        &receiver, []() -> QString { throw std::runtime_error("disk gone"); },
        [&](const QString& value) { delivered = value; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered.has_value(); }, kWaitMs));
    EXPECT_TRUE(delivered->isEmpty());
    EXPECT_TRUE(log.Logged(QStringLiteral("lumbra.base"), QStringLiteral("disk gone")));
}

// Any throw from the delivery stays out of the event loop and is logged.
TEST(BackgroundWork, AFailedDeliveryIsLoggedAndTheWatcherStillGoes) {
    LogCapture log;
    QObject receiver;
    bool called = false;
    RunInBackground(
        &receiver, [] { return 7; },
        [&](int) {
            called = true;
            throw 7;
        });
    ASSERT_TRUE(QTest::qWaitFor([&] { return called; }, kWaitMs));
    Settle();
    EXPECT_TRUE(receiver.findChildren<QObject*>().isEmpty());
    EXPECT_TRUE(log.Logged(QStringLiteral("lumbra.base"), QStringLiteral("unknown error")));
}
