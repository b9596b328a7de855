#include "ui/update/UpdateCheckFlow.h"
#include "PrintService.h"
#include "base/Constants.h"
#include "ui/update/BrowserCatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The reference print service, a shown stand-in for the main window and a
// stand-in for the browser.
class UpdateCheckFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* key : {"cNewUpdateCaption", "cNewUpdateHasNewVersion",
                                "cNewUpdateNoNewVersion", "cMainFormCaption"})
            strings.ApplyLanguageLine(QString::fromLatin1(key) + "=" + Caption(key));
        ServiceOptions options;
        options.ordersFolder = dir.filePath(QStringLiteral("orders"));
        service = std::make_unique<PrintService>(options);
        ASSERT_NE(service->Listen(0), 0);
        window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->resize(400, 300);
        window->show();
    }
    void TearDown() override { delete window.data(); }

    static QString Caption(const char* key) {
        return QStringLiteral("<%1>").arg(QLatin1String(key));
    }

    // A flow on the service; its silent check after `silentDelayMs` (none when negative).
    UpdateCheckFlow* MakeFlow(int silentDelayMs = -1, const QString& base = QString()) {
        UpdateCheckSettings settings{base.isEmpty() ? service->ServiceUrl() : base, 2000,
                                     silentDelayMs, NoticeMotion{1, 60000}};
        flow = new UpdateCheckFlow(strings, window, settings);
        return flow;
    }
    // Waits until the flow has acted on `count` answers in all.
    void WaitForChecks(QSignalSpy& checks, int count) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return checks.size() >= count; }, 10000));
    }
    int CheckRequests() const {
        return int(service->Requests().filter(QStringLiteral("checkUpdate.php")).size());
    }
    static QList<QMessageBox*> ShownMessages() {
        QList<QMessageBox*> shown;
        for (QWidget* each : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(each); box && box->isVisible())
                shown << box;
        return shown;
    }

    QTemporaryDir dir;
    Constants strings;
    std::unique_ptr<PrintService> service;
    QPointer<QWidget> window;
    QPointer<UpdateCheckFlow> flow;
    BrowserCatcher browser;
};

TEST_F(UpdateCheckFlowTest, TheSilentCheckRunsOnceAfterItsDelayAndShowsTheNotice) {
    service->Options().newerVersionUrl = QStringLiteral("https://dl.example.org/lumbra");
    QSignalSpy checks(MakeFlow(300), &UpdateCheckFlow::checked);
    QTest::qWait(150);
    EXPECT_EQ(CheckRequests(), 0) << "too early";
    WaitForChecks(checks, 1);
    EXPECT_TRUE(checks.first().first().toBool()) << "silent";
    ASSERT_NE(flow->Notice(), nullptr);
    EXPECT_TRUE(flow->Notice()->IsShown());
    EXPECT_EQ(flow->Notice()->Address(), QStringLiteral("https://dl.example.org/lumbra"));
    EXPECT_TRUE(ShownMessages().isEmpty());
    QTest::qWait(600);
    EXPECT_EQ(CheckRequests(), 1) << "once per run";

    QTest::mouseClick(flow->Notice()->Message(), Qt::LeftButton);
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl(QStringLiteral("https://dl.example.org/lumbra"))});
    EXPECT_FALSE(window->isVisible()) << "the main window closes";
}

TEST_F(UpdateCheckFlowTest, AnAnnouncedAddressWithoutSchemeOpensOverHttp) {
    service->Options().newerVersionUrl = QStringLiteral("dl.example.org/lumbra");
    QSignalSpy checks(MakeFlow(), &UpdateCheckFlow::checked);
    flow->CheckSilently();
    WaitForChecks(checks, 1);
    ASSERT_NE(flow->Notice(), nullptr);
    QTest::mouseClick(flow->Notice()->Message(), Qt::LeftButton);
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl(QStringLiteral("http://dl.example.org/lumbra"))});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(UpdateCheckFlowTest, WithoutANewerVersionTheSilentCheckStaysSilent) {
    QSignalSpy checks(MakeFlow(), &UpdateCheckFlow::checked);
    flow->CheckSilently();
    WaitForChecks(checks, 1);
    EXPECT_EQ(checks.first().at(1).value<UpdateAnswer>().kind, UpdateAnswer::Kind::Current);
    EXPECT_EQ(flow->Notice(), nullptr);
    EXPECT_TRUE(window->findChildren<UpdateNotice*>().isEmpty());
    EXPECT_TRUE(ShownMessages().isEmpty());
}

TEST_F(UpdateCheckFlowTest, TheAskedForCheckOffersTheNewerVersion) {
    service->Options().newerVersionUrl = QStringLiteral("dl.example.org/new");
    QSignalSpy checks(MakeFlow(), &UpdateCheckFlow::checked);
    flow->CheckInteractively();
    WaitForChecks(checks, 1);
    EXPECT_FALSE(checks.first().first().toBool()) << "asked for";
    QMessageBox* question = flow->Message();
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->isVisible());
    EXPECT_TRUE(question->isModal());
    EXPECT_EQ(question->icon(), QMessageBox::Warning);
    EXPECT_EQ(question->windowTitle(), Caption("cNewUpdateCaption"));
    EXPECT_EQ(question->text(), Caption("cNewUpdateHasNewVersion"));
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(flow->Notice(), nullptr);

    question->button(QMessageBox::No)->click();
    EXPECT_TRUE(browser.opened.isEmpty());
    EXPECT_TRUE(window->isVisible());

    flow->CheckInteractively();
    WaitForChecks(checks, 2);
    ASSERT_NE(flow->Message(), nullptr);
    flow->Message()->button(QMessageBox::Yes)->click();
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl(QStringLiteral("http://dl.example.org/new"))});
    EXPECT_FALSE(window->isVisible()) << "the main window closes";
}

TEST_F(UpdateCheckFlowTest, TheAskedForCheckSaysWhenThereIsNoNewerVersion) {
    QSignalSpy checks(MakeFlow(), &UpdateCheckFlow::checked);
    flow->CheckInteractively();
    flow->CheckInteractively(); // one question at a time
    WaitForChecks(checks, 1);
    QTest::qWait(100);
    EXPECT_EQ(checks.size(), 1);
    EXPECT_EQ(CheckRequests(), 1);
    QMessageBox* message = flow->Message();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(ShownMessages(), QList<QMessageBox*>{message});
    EXPECT_EQ(message->text(), Caption("cNewUpdateNoNewVersion"));
    EXPECT_EQ(message->standardButtons(), QMessageBox::Ok);
    message->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return flow->Message() == nullptr; }, 2000));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(browser.opened.isEmpty());
}

TEST_F(UpdateCheckFlowTest, AFailedCheckShowsNothingInEitherForm) {
    service->Options().newerVersionUrl = QStringLiteral("http://dl.example.org/new");
    const QString base = QStringLiteral("http://127.0.0.1:%1/pb/").arg(service->Port());
    service.reset(); // nobody answers
    QSignalSpy checks(MakeFlow(-1, base), &UpdateCheckFlow::checked);
    flow->CheckSilently();
    flow->CheckInteractively();
    WaitForChecks(checks, 2);
    for (const QList<QVariant>& check : checks)
        EXPECT_EQ(check.at(1).value<UpdateAnswer>().kind, UpdateAnswer::Kind::Failed);
    QTest::qWait(100);
    EXPECT_EQ(flow->Notice(), nullptr);
    EXPECT_EQ(flow->Message(), nullptr);
    EXPECT_TRUE(ShownMessages().isEmpty());
    EXPECT_TRUE(window->findChildren<UpdateNotice*>().isEmpty());
    EXPECT_TRUE(window->isVisible());

    flow->CheckInteractively(); // the failed check did not block the next one
    WaitForChecks(checks, 3);
}

// An announced address that is not http or https never reaches the desktop:
// no notice, no question, and a notice handed one anyway opens nothing.
TEST_F(UpdateCheckFlowTest, AnAddressOfAnotherSchemeReachesNoBrowser) {
    service->Options().newerVersionUrl = QStringLiteral("httpx-evil:/x");
    QSignalSpy checks(MakeFlow(), &UpdateCheckFlow::checked);
    flow->CheckSilently();
    flow->CheckInteractively();
    WaitForChecks(checks, 2);
    for (const QList<QVariant>& check : checks)
        EXPECT_EQ(check.at(1).value<UpdateAnswer>().kind, UpdateAnswer::Kind::Failed);
    EXPECT_EQ(flow->Notice(), nullptr);
    EXPECT_EQ(flow->Message(), nullptr);

    service->Options().newerVersionUrl = QStringLiteral("https://dl.example.org/lumbra");
    flow->CheckSilently();
    WaitForChecks(checks, 3);
    ASSERT_NE(flow->Notice(), nullptr);
    flow->Notice()->SetAddress(QStringLiteral("javascript:alert(1)"));
    QTest::mouseClick(flow->Notice()->Message(), Qt::LeftButton);
    EXPECT_TRUE(browser.opened.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(UpdateCheckFlowTest, AFlowGoneBeforeTheAnswerLeavesNothingBehind) {
    service->Options().newerVersionUrl = QStringLiteral("http://dl.example.org/new");
    MakeFlow()->CheckSilently();
    flow->CheckInteractively();
    delete flow.data();
    QTest::qWait(300);
    EXPECT_TRUE(window->findChildren<UpdateNotice*>().isEmpty());
    EXPECT_TRUE(ShownMessages().isEmpty());
    EXPECT_TRUE(window->isVisible());
}
