// `lumbra --upload` against a hostile service: its memory stays small, it
// ends with an error, nothing goes elsewhere, and ids no address could
// carry are refused before anything is sent or written.
#include "LumbraProcess.h"
#include "app/CommandLine.h"
#include "online/HostileServer.h"

#include <QDir>
#include <QFile>

#include <iostream>

namespace {

using Answer = HostileServer::Answer;

constexpr qint64 kMaxPeakRssKb = 300 * 1024;

class HostileServiceCommand : public LumbraProcess {
protected:
    void SetUp() override {
        LumbraProcess::SetUp();
        MakeBook(QStringLiteral("Trip"));
        hostile.SetTarget(elsewhere.Url(QStringLiteral("/pb/upload.php")));
        qputenv("LUMBRA_SERVICE_URL", hostile.Url().toUtf8());
    }
    void TearDown() override { qunsetenv("LUMBRA_SERVICE_URL"); }

    Outcome Upload(const QString& id, Measured* measured) {
        return RunServing({"--upload", "Trip", id, "red"}, measured);
    }
    bool OrderFileExists() const {
        return QFile::exists(QDir(books).filePath(QStringLiteral("Trip/order.pbx")));
    }

    HostileServer hostile;
    HostileServer elsewhere{Answer::Text, "[(nothing)]"};
};

TEST_F(HostileServiceCommand, HugeEndlessAndRedirectedAnswersFailPageOneInLittleMemory) {
    const struct {
        Answer answer;
        const char* name;
        const char* reason;
    } cases[] = {{Answer::Huge, "1 GB", "larger than 65536 bytes"},
                 {Answer::Endless, "endless", "larger than 65536 bytes"},
                 {Answer::Redirect, "307 to another port", "status 307"}};
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        hostile.SetAnswer(each.answer);
        const qint64 sentBefore = hostile.BytesSent();
        Measured measured;
        const Outcome outcome = Upload(QStringLiteral("LB1001"), &measured);
        std::cout << "[hostile] lumbra --upload, " << each.name << ": exit " << outcome.exitCode
                  << " after " << measured.elapsedMs << " ms, peak RSS "
                  << measured.peakRssKb / 1024 << " MB, the service sent "
                  << (hostile.BytesSent() - sentBefore) / 1024 << " KB" << std::endl;
        EXPECT_EQ(outcome.exitCode, ExitIncomplete) << outcome.err.toStdString();
        EXPECT_EQ(outcome.out, QStringList{"page 1 of 20 failed"});
        EXPECT_TRUE(outcome.err.contains(QLatin1String(each.reason))) << outcome.err.toStdString();
        EXPECT_GT(measured.peakRssKb, 0);
        EXPECT_LT(measured.peakRssKb, kMaxPeakRssKb);
    }
    EXPECT_EQ(elsewhere.Connections(), 0) << "a page went elsewhere";
    EXPECT_EQ(hostile.Requests().filter(QStringLiteral("end.php")).size(), 0);
}

// Ids that once passed and made addresses that never reached the service
// (the whole character table is ServiceAddressTest's): refused before any
// request, nothing written.
TEST_F(HostileServiceCommand, IdsWithRefusedCharactersSendAndWriteNothing) {
    hostile.SetAnswer(Answer::Text, "[(whatever)]");
    QStringList ids;
    for (const QChar c : QStringLiteral("\"<>|"))
        ids << QStringLiteral("LB1") + c + QStringLiteral("001");
    ids << QStringLiteral("..") << QStringLiteral("LB1001") + QChar(0x202E) << QString(70000, u'7');
    for (const QString& id : ids) {
        Measured measured;
        const Outcome outcome = Upload(id, &measured);
        EXPECT_NE(outcome.exitCode, ExitOk) << id.left(20).toStdString();
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("cannot be used")))
            << outcome.err.toStdString();
    }
    EXPECT_EQ(hostile.Connections(), 0);
    EXPECT_FALSE(OrderFileExists());
}

} // namespace
