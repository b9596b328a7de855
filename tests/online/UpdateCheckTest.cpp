#include "online/UpdateCheck.h"
#include "PrintService.h"
#include "base/ProgramInfo.h"
#include "online/ServiceAddress.h"

#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using Kind = UpdateAnswer::Kind;

TEST(UpdateAnswer, WithoutTheOpeningMarkerThereIsNoNewerVersion) {
    for (const char* text : {"", "no newer version", "[ (http://x)]", "http://x)]"})
        EXPECT_EQ(ReadUpdateAnswer(text).kind, Kind::Current) << text;
}

TEST(UpdateAnswer, TheAddressStandsBetweenTheFirstMarkers) {
    UpdateAnswer answer = ReadUpdateAnswer("<p>[(http://dl.example.org/new)]</p> [(other)]");
    EXPECT_EQ(answer.kind, Kind::Newer);
    EXPECT_EQ(answer.address, QStringLiteral("http://dl.example.org/new"));
    answer = ReadUpdateAnswer("[(dl.example.org/setup.exe)]");
    EXPECT_EQ(answer.kind, Kind::Newer);
    EXPECT_EQ(answer.address, QStringLiteral("dl.example.org/setup.exe")) << "taken as it stands";
}

// An address no browser should get from the service is no announcement.
TEST(UpdateAnswer, AnOpenedMarkerThatCannotBeReadIsAnError) {
    for (const char* text :
         {"[(http://dl.example.org/new", "x)] [(http://y", "[()]", "[(httpx-evil:/x)]",
          "[(javascript:alert(1))]", "[(file:///etc/passwd)]", "[(smb://host/share)]"})
        EXPECT_EQ(ReadUpdateAnswer(text).kind, Kind::Failed) << text;
}

class UpdateCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ServiceOptions options;
        options.ordersFolder = dir.filePath(QStringLiteral("orders"));
        service = std::make_unique<PrintService>(options);
        ASSERT_NE(service->Listen(0), 0);
    }

    // Runs a check against `base` and waits for its answer.
    std::optional<UpdateAnswer> Check(const QString& base, int timeoutMs = 10000) {
        std::optional<UpdateAnswer> answer;
        int calls = 0;
        QObject context;
        RequestUpdateCheck(network, ServiceAddress(base), VersionNumber(), timeoutMs, &context,
                           [&](const UpdateAnswer& a) {
                               answer = a;
                               ++calls;
                           });
        EXPECT_FALSE(answer) << "answered during the call";
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, timeoutMs + 5000));
        QTest::qWait(20);
        EXPECT_EQ(calls, 1);
        return answer;
    }

    QTemporaryDir dir;
    QNetworkAccessManager network;
    std::unique_ptr<PrintService> service;
};

TEST_F(UpdateCheckTest, TheServiceAnnouncesANewerVersionOnlyWhenItHasOne) {
    std::optional<UpdateAnswer> answer = Check(service->ServiceUrl());
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->kind, Kind::Current);

    service->Options().newerVersionUrl = QStringLiteral("http://dl.example.org/lumbra");
    answer = Check(service->ServiceUrl());
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->kind, Kind::Newer);
    EXPECT_EQ(answer->address, QStringLiteral("http://dl.example.org/lumbra"));

    service->Options().newerVersionUrl = QStringLiteral("dl.example.org/lumbra");
    answer = Check(service->ServiceUrl());
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->address, QStringLiteral("dl.example.org/lumbra"));

    const QString request = QStringLiteral("checkUpdate.php?version=%1").arg(VersionNumber());
    EXPECT_EQ(service->Requests(), QStringList(3, request));
}

TEST_F(UpdateCheckTest, FailuresEndInAFailedAnswer) {
    // An error status: no such page below this base.
    service->Options().newerVersionUrl = QStringLiteral("http://dl.example.org/lumbra");
    std::optional<UpdateAnswer> answer =
        Check(QStringLiteral("http://127.0.0.1:%1/nothing/").arg(service->Port()));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->kind, Kind::Failed);

    // A server that takes the connection and never answers.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    QElapsedTimer clock;
    clock.start();
    answer = Check(QStringLiteral("http://127.0.0.1:%1/pb/").arg(silent.serverPort()), 300);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->kind, Kind::Failed);
    EXPECT_LT(clock.elapsed(), 5000);

    // Nobody listening any more.
    const quint16 port = service->Port();
    service.reset();
    answer = Check(QStringLiteral("http://127.0.0.1:%1/pb/").arg(port));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->kind, Kind::Failed);
}

TEST_F(UpdateCheckTest, NoAnswerReachesAContextThatIsGone) {
    bool answered = false;
    auto context = std::make_unique<QObject>();
    QNetworkReply* reply =
        RequestUpdateCheck(network, ServiceAddress(service->ServiceUrl()), VersionNumber(), 10000,
                           context.get(), [&](const UpdateAnswer&) { answered = true; });
    QPointer<QNetworkReply> watch(reply);
    context.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return watch.isNull(); }, 10000)) << "the reply stays";
    EXPECT_FALSE(answered);
}
