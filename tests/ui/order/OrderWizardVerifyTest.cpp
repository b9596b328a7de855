#include "ui/order/OrderWizardFixture.h"
#include "ui/order/ScriptedVerifyService.h"

#include "base/ProgramInfo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using Step = OrderWizard::Step;

class OrderWizardVerifyTest : public OrderWizardFixture {
protected:
    // Sends a code and waits for the start page to come back (a refusal)
    // or the cover step; true when refused.
    bool Refused(const QByteArray& answer, const QString& code = QStringLiteral("42")) {
        scripted.answer = answer;
        const int starts = scripted.startPages;
        TypeCode(code);
        ClickNext();
        const bool ended = QTest::qWaitFor(
            [&] {
                return Wizard().CurrentStep() != Step::Verify ||
                       (scripted.startPages > starts && Wizard().NextStepButton()->isEnabled());
            },
            20000);
        EXPECT_TRUE(ended) << answer.toStdString();
        return Wizard().CurrentStep() == Step::Verify;
    }

    ScriptedVerifyService scripted;
};

// Answers the window must not take an order id from: each brings the start
// page back with the try-again prompt and an empty input.
TEST_F(OrderWizardVerifyTest, RefusesUnusableAnswers) {
    ASSERT_NE(scripted.Port(), 0);
    OrderWizard& window = Wizard(scripted.Base());
    window.Start();
    ASSERT_TRUE(WaitForText(QStringLiteral("Scripted start")));
    EXPECT_EQ(scripted.startPages, 1);
    for (const QByteArray& answer :
         {QByteArray("[(INVALID)]"), QByteArray("order LB1 accepted"), QByteArray("[(LB1"),
          QByteArray("[(LB1,LB2)]"), QByteArray("[(LB1<br>LB2)]"), QByteArray("[(LB1&#13;LB2)]"),
          QByteArray("[(LB1&#1;)]")}) {
        EXPECT_TRUE(Refused(answer)) << answer.toStdString();
        EXPECT_TRUE(window.OrderId().isEmpty()) << answer.toStdString();
        EXPECT_TRUE(window.VerifyInput()->text().isEmpty());
        EXPECT_EQ(window.VerifyLabel()->text(), Caption("cOrderVerifyTryAgainCaption"));
    }
    EXPECT_EQ(scripted.verifyPages, 7);

    // Blanks around the answer do not matter; the id is taken. The code goes
    // into the address percent-encoded.
    EXPECT_FALSE(Refused("\n   [(LB77)]   \n", QStringLiteral("a&b #c")));
    EXPECT_EQ(scripted.verifyQuery, "i=a%26b%20%23c&booktype=2_290_212&version=" +
                                        QString::number(VersionNumber()) + "&pages=3");
    EXPECT_EQ(window.CurrentStep(), Step::SelectCover);
    EXPECT_EQ(window.OrderId(), QStringLiteral("LB77"));
}
