// The order service turned hostile: answers too large to hold, without end,
// one byte a second, or sending the program elsewhere. Every request gives
// up within its deadline, reads no more than its limit and follows no
// redirect; the failure reaches the caller as a failed answer.
#include "HostileServer.h"
#include "UploadFixture.h"
#include "base/ProgramInfo.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "online/OrderCancel.h"
#include "online/UpdateCheck.h"

#include <QElapsedTimer>
#include <QTest>

#include <iostream>

namespace {

using Answer = HostileServer::Answer;

constexpr int kDeadlineMs = 1000;
// Time for a page to render besides the two attempts' deadlines.
constexpr qint64 kSlackMs = 8000;

struct HostileCase {
    Answer answer;
    const char* name;
    const char* reason; // in the failure the caller gets
};

const HostileCase kCases[] = {
    {Answer::Huge, "1 GB", "larger than 65536 bytes"},
    {Answer::Endless, "endless", "larger than 65536 bytes"},
    {Answer::Drip, "one byte a second", "no whole answer within 1 seconds"},
    {Answer::Redirect, "307 to another port", "status 307"},
};

class HostileServiceTest : public UploadFixture {
protected:
    void SetUp() override {
        UploadFixture::SetUp();
        ASSERT_TRUE(hostile.isListening());
        ASSERT_TRUE(elsewhere.isListening());
        hostile.SetTarget(elsewhere.Url(QStringLiteral("/pb/upload.php")));
    }

    std::unique_ptr<BookUpload> HostileUpload() {
        const UploadSettings settings{ServiceAddress(hostile.Url()), 60000, 2, kDeadlineMs};
        return std::make_unique<BookUpload>(
            &network, PageRenderer::ForCatalogue(TestCatalogue(), dir.filePath("bg")),
            QSize(600, 452), settings);
    }

    // Waits for `done` after `start`; the milliseconds it took.
    static qint64 Timed(const std::function<void()>& start, const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        start();
        EXPECT_TRUE(QTest::qWaitFor(done, 30000)) << "no end";
        return clock.elapsed();
    }
    static void Report(const HostileCase& each, const char* request, qint64 ms) {
        std::cout << "[hostile] " << request << ", " << each.name << ": failed after " << ms
                  << " ms" << std::endl;
    }

    HostileServer hostile;
    HostileServer elsewhere{Answer::Text, "[(nothing)]"};
};

TEST_F(HostileServiceTest, APageUploadFailsWithinItsDeadlineAndGoesNowhereElse) {
    for (const HostileCase& each : kCases) {
        SCOPED_TRACE(each.name);
        hostile.SetAnswer(each.answer);
        const qsizetype before = hostile.Requests().size();
        auto upload = HostileUpload();
        QStringList reasons;
        QObject::connect(upload.get(), &BookUpload::pageRefused,
                         [&reasons](int, const QString& reason, bool) { reasons << reason; });
        std::optional<UploadResult> result;
        QObject::connect(upload.get(), &BookUpload::finished,
                         [&result](const UploadResult& r) { result = r; });
        const qint64 ms = Timed([&] { upload->Start(book, QStringLiteral("LB1001"), "red"); },
                                [&] { return result.has_value(); });
        Report(each, "page upload (two attempts)", ms);
        ASSERT_TRUE(result);
        EXPECT_FALSE(result->complete);
        EXPECT_EQ(result->failedIndex, 0);
        EXPECT_LT(ms, 2 * kDeadlineMs + kSlackMs);
        ASSERT_EQ(reasons.size(), 2);
        for (const QString& reason : reasons)
            EXPECT_TRUE(reason.contains(QLatin1String(each.reason))) << reason.toStdString();
        EXPECT_EQ(hostile.Requests().mid(before),
                  QStringList(2, QStringLiteral("POST /pb/upload.php")));
    }
    EXPECT_EQ(elsewhere.Connections(), 0) << "the pages went elsewhere";
}

// Closing the order, cancelling it and the update check: each a failed
// answer within the deadline; a failed "end.php" is no end of the order.
TEST_F(HostileServiceTest, ClosingCancellingAndTheUpdateCheckFailWithinTheDeadline) {
    while (book->PagesCount() > 0) // only "end.php" is sent
        book->RemovePage(0);
    for (const HostileCase& each : kCases) {
        SCOPED_TRACE(each.name);
        hostile.SetAnswer(each.answer);

        auto upload = HostileUpload();
        std::optional<UploadResult> closed;
        QObject::connect(upload.get(), &BookUpload::finished,
                         [&closed](const UploadResult& r) { closed = r; });
        qint64 ms = Timed([&] { upload->Start(book, QStringLiteral("LB1001"), "red"); },
                          [&] { return closed.has_value(); });
        Report(each, "end.php", ms);
        ASSERT_TRUE(closed);
        EXPECT_FALSE(closed->complete);
        EXPECT_TRUE(closed->closing);
        EXPECT_EQ(closed->failedIndex, 0);
        ASSERT_TRUE(closed->failure);
        EXPECT_TRUE(closed->failure->message.contains(QLatin1String(each.reason)))
            << closed->failure->message.toStdString();
        EXPECT_TRUE(closed->failure->detail.contains(QLatin1String(each.reason)))
            << closed->failure->detail.toStdString();
        EXPECT_LT(ms, kDeadlineMs + kSlackMs);

        std::optional<std::optional<QString>> cancel;
        QObject context;
        ms = Timed(
            [&] {
                SendOrderCancel(
                    network, ServiceAddress(hostile.Url()), QStringLiteral("LB1001"), &context,
                    [&cancel](const std::optional<QString>& failure) { cancel = failure; }, 60000,
                    kDeadlineMs);
            },
            [&] { return cancel.has_value(); });
        Report(each, "cancel.php", ms);
        ASSERT_TRUE(cancel && *cancel);
        EXPECT_TRUE((*cancel)->contains(QLatin1String(each.reason))) << (*cancel)->toStdString();
        EXPECT_LT(ms, kDeadlineMs + kSlackMs);

        std::optional<UpdateAnswer> update;
        ms = Timed(
            [&] {
                RequestUpdateCheck(
                    network, ServiceAddress(hostile.Url()), VersionNumber(), 60000, &context,
                    [&update](const UpdateAnswer& a) { update = a; }, kDeadlineMs);
            },
            [&] { return update.has_value(); });
        Report(each, "checkUpdate.php", ms);
        ASSERT_TRUE(update);
        EXPECT_EQ(update->kind, UpdateAnswer::Kind::Failed);
        EXPECT_LT(ms, kDeadlineMs + kSlackMs);
    }
    EXPECT_EQ(elsewhere.Connections(), 0) << "a request went elsewhere";
    EXPECT_EQ(hostile.Requests().filter(QStringLiteral("end.php")).size(), 4);
}

// The order's end fails at the service: the upload is incomplete, and
// resuming from the pages count sends only "end.php" again.
TEST_F(UploadFixture, AFailedEndIsNoEndAndResumingSendsOnlyTheEnd) {
    const QString id = OpenOrder();
    service->Options().closeFails = true;
    auto upload = MakeUpload();
    const UploadResult failed = Run(*upload, id, QStringLiteral("red"));
    EXPECT_FALSE(failed.complete);
    EXPECT_TRUE(failed.closing);
    EXPECT_EQ(failed.failedIndex, 3);
    ASSERT_TRUE(failed.failure);
    // The user is told why; the log gets the same.
    for (const QString& text : {failed.failure->message, failed.failure->detail})
        EXPECT_TRUE(text.startsWith(QLatin1String("the service did not confirm the order: ")) &&
                    text.contains(QLatin1String("status 500")))
            << text.toStdString();
    EXPECT_EQ(service->Orders().Read(id).state, QStringLiteral("open"));

    service->Options().closeFails = false;
    const qsizetype before = Requests().size();
    const UploadResult resumed = Run(*upload, id, QStringLiteral("red"), failed.failedIndex);
    EXPECT_TRUE(resumed.complete);
    EXPECT_EQ(Requests().mid(before),
              QStringList{QStringLiteral("end.php?id=%1&pages=3&cover=red").arg(id)});
    EXPECT_EQ(service->Orders().Read(id).state, QStringLiteral("ended"));
}

} // namespace
