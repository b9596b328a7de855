#include "ui/order/OrderWizardFixture.h"

#include "base/ProgramInfo.h"
#include "model/Book.h"

#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

using Step = OrderWizard::Step;

namespace {

QString Version() { return QString::number(VersionNumber()); }

} // namespace

class OrderWizardTest : public OrderWizardFixture {};

// Code, cover, three pages, payment: every request as the service sees it.
TEST_F(OrderWizardTest, OrdersABookFromCodeToPayment) {
    OrderWizard& window = Wizard();
    window.Start();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), Caption("cOrderCaption"));
    EXPECT_EQ(window.CurrentStep(), Step::Verify);
    EXPECT_EQ(window.VerifyLabel()->text(), Caption("cOrderVerifyCaption"));
    EXPECT_EQ(window.Browser()->contextMenuPolicy(), Qt::NoContextMenu);
    ASSERT_TRUE(WaitForText(QStringLiteral("Your book has 3 pages")));
    EXPECT_EQ(RequestsFor("start.php"),
              QStringList{"start.php?pages=3&booktype=2_290_212&version=" + Version()});

    TypeCode(QStringLiteral("1234"));
    ClickNext();
    ASSERT_TRUE(WaitForStep(Step::SelectCover));
    const QString id = window.OrderId();
    EXPECT_TRUE(service->Orders().Exists(id)) << id.toStdString();
    EXPECT_EQ(
        RequestsFor("verify.php"),
        QStringList{"verify.php?i=1234&booktype=2_290_212&version=" + Version() + "&pages=3"});
    EXPECT_TRUE(window.SelectCoverLabel()->isVisible());
    EXPECT_FALSE(window.VerifyInput()->isVisible());
    ASSERT_TRUE(WaitForText(QStringLiteral("Choose a cover")));

    QSignalSpy progress(window.UploadProgressBar(), &QProgressBar::valueChanged);
    PickCoverAndGoOn(1);
    ASSERT_TRUE(WaitForStep(Step::Upload));
    EXPECT_EQ(window.Cover(), QStringLiteral("leather-red"));
    ASSERT_TRUE(WaitForStep(Step::Payment, 120000));
    EXPECT_EQ(Uploads(),
              (QStringList{"upload.php page=1", "upload.php page=2", "upload.php page=3"}));
    EXPECT_EQ(RequestsFor("end.php"),
              QStringList{"end.php?id=" + id + "&pages=3&cover=leather-red"});
    EXPECT_EQ(window.UploadLabel()->text(), Caption("cOrderUploadStatusCaption") + " ( 3 / 3 ) ");
    EXPECT_EQ(window.UploadProgressBar()->minimum(), 1);
    EXPECT_EQ(window.UploadProgressBar()->maximum(), 3);
    QList<int> values;
    for (const QList<QVariant>& signal : progress)
        values << signal.at(0).toInt();
    EXPECT_EQ(values, (QList<int>{1, 2, 3}));
    EXPECT_EQ(OrderFileLine(), id);

    const OrderStore::Order order = service->Orders().Read(id);
    EXPECT_EQ(order.state, QStringLiteral("ended"));
    EXPECT_EQ(order.received, (QList<int>{1, 2, 3}));
    for (int page = 1; page <= 3; ++page)
        EXPECT_EQ(QImageReader(service->Orders().PagePath(id, page)).size(), QSize(2458, 1769))
            << "page " << page;

    // The payment page fills the window; its last link goes to the browser.
    ASSERT_TRUE(WaitForText(QStringLiteral("Payment for order")));
    EXPECT_EQ(RequestsFor("purchase.php"),
              QStringList{"purchase.php?id=" + id + "&start=1&end=4&height=439&width=500&pages=3"});
    EXPECT_FALSE(window.UploadLabel()->isVisible());
    EXPECT_FALSE(window.CancelButton()->isVisible());
    EXPECT_EQ(window.Browser()->mapTo(&window, QPoint(0, 0)), QPoint(0, 0));
    EXPECT_EQ(window.Browser()->width(), window.width());
    EXPECT_EQ(window.Browser()->height(), window.height() - 1);
    const QString paid = Base() + "paid.php?id=" + id;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.PaymentLink().toString() == paid; }, 10000));
    EXPECT_TRUE(opened.isEmpty());

    // Another link of the page is followed in the window.
    RunScript(QStringLiteral("document.getElementsByTagName('a')[0].click()"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !RequestsFor("status.php").isEmpty(); }, 10000));
    EXPECT_EQ(window.CurrentStep(), Step::Payment);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(opened.isEmpty());

    window.ShowPayments();
    ASSERT_TRUE(WaitForText(QStringLiteral("Payment for order")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.PaymentLink().toString() == paid; }, 10000));
    // The page's own script clicks the payment link: nothing is followed.
    RunScript(
        QStringLiteral("const a = document.getElementsByTagName('a'); a[a.length - 1].click()"));
    QTest::qWait(1000);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(window.CurrentStep(), Step::Payment);
    EXPECT_TRUE(window.isVisible());
    // The user clicks it.
    ClickLastAnchor();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }, 10000));
    EXPECT_EQ(opened, QStringList{paid});
    EXPECT_EQ(window.CurrentStep(), Step::Finished);
    EXPECT_FALSE(window.isVisible());
    QTest::qWait(200);
    EXPECT_TRUE(RequestsFor("paid.php").isEmpty()) << "the embedded view followed the link";
    EXPECT_TRUE(questions.isEmpty()) << questions.join("; ").toStdString();
}

// "&", "#" and blanks in the typed code reach the service as typed.
TEST_F(OrderWizardTest, SendsATypedCodeUnchanged) {
    const QString code = QStringLiteral("a&b #c");
    service->Options().codes << code;
    ReachCover(code);
    EXPECT_EQ(service->Orders().Read(Wizard().OrderId()).code, code);
    EXPECT_EQ(RequestsFor("verify.php?").size(), 1);
}

// A code the service refuses brings the start page back with the try-again
// prompt; the right code then goes on.
TEST_F(OrderWizardTest, RefusedCodeStartsAgain) {
    OrderWizard& window = Wizard();
    window.Start();
    ASSERT_TRUE(WaitForText(QStringLiteral("Type one of these codes")));
    const auto colour = [&] {
        window.VerifyLabel()->ensurePolished();
        return window.VerifyLabel()->palette().color(QPalette::WindowText);
    };
    const QColor instruction = colour();
    TypeCode(QStringLiteral("9999"));
    ClickNext();
    EXPECT_FALSE(window.NextStepButton()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return RequestsFor("start.php").size() == 2; }, 20000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.NextStepButton()->isEnabled(); }, 5000));
    EXPECT_EQ(window.CurrentStep(), Step::Verify);
    EXPECT_TRUE(window.OrderId().isEmpty());
    EXPECT_TRUE(window.VerifyInput()->text().isEmpty());
    EXPECT_EQ(window.VerifyLabel()->text(), Caption("cOrderVerifyTryAgainCaption"));
    EXPECT_NE(colour(), instruction); // the refusal does not look like the instructions
    EXPECT_TRUE(service->Orders().Ids().isEmpty());
    ASSERT_TRUE(WaitForText(QStringLiteral("Type one of these codes")));

    TypeCode(QStringLiteral("TEST"));
    QTest::keyClick(window.VerifyInput(), Qt::Key_Return); // Enter is Next
    ASSERT_TRUE(WaitForStep(Step::SelectCover));
    QTest::qWait(300);
    EXPECT_EQ(service->Orders().Ids(), QStringList{window.OrderId()});
    EXPECT_EQ(RequestsFor("verify.php?").size(), 2);
}

// Next without a cover, or with a cover no address could carry, keeps the
// window at the cover step.
TEST_F(OrderWizardTest, WantsACover) {
    ReachCover();
    OrderWizard& window = Wizard();
    ClickNext();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return window.SelectCoverLabel()->text() == Caption("cOrderSelectCoverTryAgainCaption");
        },
        10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.NextStepButton()->isEnabled(); }, 5000));
    EXPECT_EQ(window.CurrentStep(), Step::SelectCover);
    EXPECT_TRUE(window.Browser()->isVisible());

    RunScript(QStringLiteral("document.getElementById('choice').innerHTML = 'cover:a,b'"));
    ClickNext();
    QTest::qWait(500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.NextStepButton()->isEnabled(); }, 5000));
    EXPECT_EQ(window.CurrentStep(), Step::SelectCover);
    EXPECT_TRUE(window.Cover().isEmpty());
    EXPECT_TRUE(Uploads().isEmpty());
    EXPECT_EQ(OrderFileLine(), QStringLiteral("(no order.pbx)"));

    PickCoverAndGoOn(2);
    ASSERT_TRUE(WaitForStep(Step::Payment, 120000));
    EXPECT_EQ(RequestsFor("end.php"),
              QStringList{"end.php?id=" + window.OrderId() + "&pages=3&cover=photo-gloss"});
}
