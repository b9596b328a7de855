#include "ui/order/OrderWizardFixture.h"

#include "ui/order/OrderLoadFailure.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <QWebEngineView>

using Step = OrderWizard::Step;

namespace {

// An address on this machine where nothing listens.
QString DeadBase() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        return {};
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/pb/").arg(port);
}

} // namespace

class OrderWizardFailureTest : public OrderWizardFixture {};

// No service at the address: the window's own page stands over the view and
// says what failed and where, with Retry and Preferences, and Next waits
// beside it. Retry asks the address anew (as the Preferences set it) and
// goes on; a service gone after the code was typed shows the page again.
TEST_F(OrderWizardFailureTest, APageThatDoesNotLoadSaysWhyAndOffersRetry) {
    QString base = DeadBase();
    ASSERT_FALSE(base.isEmpty());
    OrderWizardContext context = MakeContext(base);
    context.currentService = [&base] { return ServiceAddress(base); };
    wizard = std::make_unique<OrderWizard>(std::move(context));
    wizard->SetBook(book);
    wizard->Start();
    OrderLoadFailure* failure = wizard->LoadFailure();
    ASSERT_TRUE(QTest::qWaitFor([&] { return failure->isVisible(); }, 20000));
    EXPECT_TRUE(failure->Text()->text().contains(base + "start.php"))
        << failure->Text()->text().toStdString();
    EXPECT_TRUE(failure->RetryButton()->isVisible());
    EXPECT_TRUE(failure->PreferencesButton()->isVisible());
    EXPECT_EQ(failure->geometry(), wizard->Browser()->parentWidget()->geometry());
    EXPECT_FALSE(wizard->NextStepButton()->isEnabled());
    EXPECT_EQ(wizard->CodeLabel()->buddy(), static_cast<QWidget*>(wizard->VerifyInput()));

    base = Base();
    QTest::mouseClick(failure->RetryButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitForText(QStringLiteral("Your book has 3 pages")));
    EXPECT_FALSE(failure->isVisible());
    EXPECT_TRUE(wizard->NextStepButton()->isEnabled());

    service.reset();
    TypeCode(QStringLiteral("1234"));
    ClickNext();
    ASSERT_TRUE(QTest::qWaitFor([&] { return failure->isVisible(); }, 20000));
    EXPECT_TRUE(failure->Text()->text().contains(base + "verify.php?i=1234"));
    EXPECT_FALSE(wizard->NextStepButton()->isEnabled());
    EXPECT_EQ(wizard->CurrentStep(), Step::Verify);
}
