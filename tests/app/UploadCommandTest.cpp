#include "LumbraProcess.h"
#include "app/CommandLine.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// The reference print service as a child process on a free loopback port.
class ServiceProcess {
public:
    ServiceProcess(const QString& ordersFolder, const QStringList& switches) {
        mProcess.start(QStringLiteral(LUMBRA_PRINT_SERVICE),
                       QStringList{"--port", "0", "--orders", ordersFolder} + switches);
        if (!mProcess.waitForReadyRead(20000))
            return;
        const auto match = QRegularExpression(QStringLiteral("(http://\\S+/pb/)"))
                               .match(QString::fromUtf8(mProcess.readLine()));
        if (match.hasMatch())
            mUrl = match.captured(1);
    }
    ~ServiceProcess() {
        mProcess.kill();
        mProcess.waitForFinished(10000);
    }
    const QString& Url() const { return mUrl; }

    // A new order, through "verify.php" with an accepted code.
    QString OpenOrder() {
        QNetworkAccessManager network;
        QNetworkReply* reply = network.get(QNetworkRequest(QUrl(mUrl + "verify.php?i=TEST")));
        if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 20000))
            return {};
        const auto match = QRegularExpression(QStringLiteral("\\[\\((LB\\d+)\\)\\]"))
                               .match(QString::fromUtf8(reply->readAll()));
        reply->deleteLater();
        return match.hasMatch() ? match.captured(1) : QString();
    }

private:
    QProcess mProcess;
    QString mUrl;
};

} // namespace

TEST_F(LumbraProcess, UploadsABookPageByPageAndResumesFromTheFailedPage) {
    MakeBook(QStringLiteral("Trip"));
    const QString orders = home.filePath(QStringLiteral("orders"));
    // Page 2 is answered with a wrong digest twice: the first upload ends there.
    ServiceProcess service(orders, {"--wrong-digest", "--fault-page", "2", "--fault-times", "2"});
    ASSERT_FALSE(service.Url().isEmpty()) << "the print service did not start";
    const QString id = service.OpenOrder();
    ASSERT_FALSE(id.isEmpty());
    qputenv("LUMBRA_SERVICE_URL", service.Url().toUtf8());

    const Outcome failed = Run({"--upload", "Trip", id, "linen-blue"});
    EXPECT_EQ(failed.exitCode, ExitIncomplete);
    EXPECT_EQ(failed.out.join('\n').toStdString(), "page 1 of 20 sent\npage 2 of 20 failed");
    EXPECT_TRUE(failed.err.contains(QStringLiteral("page 2 failed; resume with --start 1")))
        << failed.err.toStdString();

    const Outcome resumed = Run({"--upload", "Trip", id, "linen-blue", "--start", "1"});
    qunsetenv("LUMBRA_SERVICE_URL");
    EXPECT_EQ(resumed.exitCode, ExitOk) << resumed.err.toStdString();
    QStringList expected;
    for (int page = 2; page <= 20; ++page)
        expected << QStringLiteral("page %1 of 20 sent").arg(page);
    expected << "order " + id + " ended";
    EXPECT_EQ(resumed.out.join('\n').toStdString(), expected.join('\n').toStdString());

    QFile state(QDir(orders).filePath(id + "/order.txt"));
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_EQ(state.readAll().toStdString(),
              "state=ended\ncode=TEST\ncover=linen-blue\npages=20\n");
    for (int page : {1, 2, 20})
        EXPECT_EQ(SizeOf(QDir(orders).filePath(QStringLiteral("%1/%2.jpg").arg(id).arg(page))),
                  QSize(2458, 1769));
    QFile orderFile(QDir(books).filePath(QStringLiteral("Trip/order.pbx")));
    ASSERT_TRUE(orderFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(orderFile.readAll().toStdString(),
              (id + u',' + id + QStringLiteral("\r\n")).toStdString());
}

// "end.php" answered with an error: the pages are there, the order is not
// ended, and the command says so with a non-zero exit.
TEST_F(LumbraProcess, AnOrderTheServiceDoesNotEndIsNotReportedEnded) {
    MakeBook(QStringLiteral("Trip"));
    const QString orders = home.filePath(QStringLiteral("orders"));
    ServiceProcess service(orders, {"--fail-close"});
    ASSERT_FALSE(service.Url().isEmpty()) << "the print service did not start";
    const QString id = service.OpenOrder();
    ASSERT_FALSE(id.isEmpty());
    qputenv("LUMBRA_SERVICE_URL", service.Url().toUtf8());
    const Outcome outcome = Run({"--upload", "Trip", id, "red"});
    qunsetenv("LUMBRA_SERVICE_URL");
    EXPECT_EQ(outcome.exitCode, ExitIncomplete);
    ASSERT_EQ(outcome.out.size(), 21);
    EXPECT_EQ(outcome.out.last(), "order " + id + " not confirmed");
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("status 500")) &&
                outcome.err.contains(QStringLiteral("resume with --start 20")))
        << outcome.err.toStdString();
    QFile state(QDir(orders).filePath(id + "/order.txt"));
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_TRUE(state.readAll().startsWith("state=open\n"));
}

TEST_F(LumbraProcess, UploadRefusesMalformedArgumentsAndUnknownBooks) {
    EXPECT_EQ(Run({"--upload", "Trip"}).exitCode, ExitUsage);
    EXPECT_EQ(Run({"--upload", "Trip", "LB1", "red", "--start", "-1"}).exitCode, ExitUsage);
    EXPECT_EQ(Run({"--upload", "Nothing", "LB1", "red"}).exitCode, ExitNoBook);
}
