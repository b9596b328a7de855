#include "ui/order/OrderWizardFixture.h"

#include "model/Book.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QWebEngineView>

using Step = OrderWizard::Step;

class OrderWizardUploadTest : public OrderWizardFixture {
protected:
    QString ErrorQuestion() const {
        return Caption("cUploadErrorCaption") + " | " + Caption("cUploadErrorLabelCaption");
    }
    QString CloseQuestion() const {
        return Caption("cCancelOrderCaption") + " | " + Caption("cCancelOrderLabelCaption");
    }
};

// Page 2 comes back with a wrong digest twice: the error question, Yes, and
// the upload goes on from page 2 under the same order id.
TEST_F(OrderWizardUploadTest, ResumesFromTheFailedPage) {
    service->Options().fault = ServiceOptions::Fault::WrongDigest;
    service->Options().faultPage = 2;
    service->Options().faultTimes = 2;
    answers = {true};
    ReachCover();
    const QString id = Wizard().OrderId();
    PickCoverAndGoOn(0);
    ASSERT_TRUE(WaitForStep(Step::Payment, 120000));
    EXPECT_EQ(questions, QStringList{ErrorQuestion()});
    EXPECT_EQ(Uploads(), (QStringList{"upload.php page=1", "upload.php page=2", "upload.php page=2",
                                      "upload.php page=2", "upload.php page=3"}));
    EXPECT_EQ(OrderFileLine(), id + "," + id);
    EXPECT_EQ(RequestsFor("end.php"),
              QStringList{"end.php?id=" + id + "&pages=3&cover=linen-blue"});
    EXPECT_EQ(service->Orders().Read(id).received, (QList<int>{1, 2, 3}));

    // Closing at the payment step cancels the order at the service.
    ASSERT_TRUE(WaitForText(QStringLiteral("Payment for order")));
    answers = {true};
    Wizard().close();
    EXPECT_FALSE(Wizard().isVisible());
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(questions.value(1), CloseQuestion());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !RequestsFor("cancel.php").isEmpty(); }, 10000));
    EXPECT_EQ(RequestsFor("cancel.php"), QStringList{"cancel.php?id=" + id});
    EXPECT_TRUE(opened.isEmpty());
}

// No to the error question gives the order up: the window closes, nothing
// more is sent.
TEST_F(OrderWizardUploadTest, GivesUpAfterAFailedPage) {
    service->Options().fault = ServiceOptions::Fault::WrongDigest;
    service->Options().faultPage = 2;
    answers = {false};
    ReachCover();
    const QString id = Wizard().OrderId();
    PickCoverAndGoOn(0);
    ASSERT_TRUE(WaitForStep(Step::Abandoned, 120000));
    EXPECT_FALSE(Wizard().isVisible());
    EXPECT_EQ(questions, QStringList{ErrorQuestion()});
    EXPECT_TRUE(Wizard().UploadCancelled());
    QTest::qWait(300);
    EXPECT_EQ(Uploads(),
              (QStringList{"upload.php page=1", "upload.php page=2", "upload.php page=2"}));
    EXPECT_TRUE(RequestsFor("end.php").isEmpty());
    EXPECT_TRUE(RequestsFor("cancel.php").isEmpty());
    EXPECT_TRUE(RequestsFor("purchase.php").isEmpty());
    EXPECT_EQ(OrderFileLine(), id);
}

// The service does not confirm the order's end: no payment, the error
// question; trying again sends only "end.php"; No gives the order up.
TEST_F(OrderWizardUploadTest, AnEndTheServiceDoesNotConfirmIsAFailedUpload) {
    service->Options().closeFails = true;
    answers = {true, false};
    ReachCover();
    PickCoverAndGoOn(0);
    ASSERT_TRUE(WaitForStep(Step::Abandoned, 120000));
    EXPECT_EQ(questions, (QStringList{ErrorQuestion(), ErrorQuestion()}));
    EXPECT_EQ(Uploads().size(), 3);
    EXPECT_EQ(RequestsFor("end.php").size(), 2);
    EXPECT_TRUE(RequestsFor("purchase.php").isEmpty());
    EXPECT_EQ(service->Orders().Read(Wizard().OrderId()).state, QStringLiteral("open"));
}

// Closing at the payment step while the service cannot cancel: the window
// closes and the user is told the order may still be open.
TEST_F(OrderWizardUploadTest, ACancelTheServiceDoesNotConfirmIsTold) {
    ReachCover();
    const QString id = Wizard().OrderId();
    PickCoverAndGoOn(0);
    ASSERT_TRUE(WaitForStep(Step::Payment, 120000));
    service->Options().closeFails = true;
    answers = {true};
    Wizard().close();
    EXPECT_FALSE(Wizard().isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !told.isEmpty(); }, 20000));
    EXPECT_EQ(told.size(), 1);
    EXPECT_TRUE(told.first().contains(id) && told.first().contains(QStringLiteral("status 500")))
        << told.first().toStdString();
    EXPECT_EQ(service->Orders().Read(id).state, QStringLiteral("ended"));
}

// While page 2 is on its way the view shows page 1 as the service has it;
// closing (No, then Yes) stops the upload before page 3, without payment.
TEST_F(OrderWizardUploadTest, CloseDuringTheUploadStopsIt) {
    service->Options().fault = ServiceOptions::Fault::Slow;
    service->Options().faultPage = 2;
    service->Options().slowMs = 3000;
    ReachCover();
    OrderWizard& window = Wizard();
    const QString id = window.OrderId();
    PickCoverAndGoOn(0);
    ASSERT_TRUE(WaitForStep(Step::Upload));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Uploads().size() == 2; }, 60000));
    EXPECT_EQ(window.UploadLabel()->text(), Caption("cOrderUploadStatusCaption") + " ( 2 / 3 ) ");
    EXPECT_EQ(window.UploadProgressBar()->value(), 2);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !RequestsFor("viewThumb.php?id=" + id + "&page=1").isEmpty(); }, 10000));
    EXPECT_TRUE(window.Browser()->isVisible());
    const QString thumbnail = Base() + "viewThumb.php?id=" + id + "&page=1";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Browser()->url().toString() == thumbnail; }))
        << window.Browser()->url().toString().toStdString();

    answers = {false, true};
    ClickCancel();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(Wizard().UploadCancelled());
    ClickCancel();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(Wizard().UploadCancelled());
    EXPECT_EQ(questions, (QStringList{CloseQuestion(), CloseQuestion()}));

    // Page 2's late answer arrives; page 3 is never sent.
    ASSERT_TRUE(QTest::qWaitFor([&] { return service->UploadCount() == 2; }, 10000));
    QTest::qWait(service->Options().slowMs + 500);
    EXPECT_EQ(Uploads().size(), 2);
    EXPECT_EQ(window.CurrentStep(), Step::Upload);
    EXPECT_EQ(window.UploadLabel()->text(), Caption("cOrderUploadStatusCaption") + " ( 2 / 3 ) ");
    EXPECT_TRUE(RequestsFor("end.php").isEmpty());
    EXPECT_TRUE(RequestsFor("cancel.php").isEmpty());
    EXPECT_TRUE(RequestsFor("purchase.php").isEmpty());
    EXPECT_EQ(service->Orders().Read(id).state, QStringLiteral("open"));
}

// Before the upload: at the code step, where nothing was sent, the window
// closes without a question; at the cover step Yes cancels the order.
TEST_F(OrderWizardUploadTest, CloseQuestionPerStep) {
    OrderWizard& window = Wizard();
    window.Start();
    ASSERT_TRUE(WaitForText(QStringLiteral("Type one of these codes")));
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(questions.isEmpty());
    QTest::qWait(200);
    EXPECT_TRUE(RequestsFor("cancel.php").isEmpty());

    // The window is reused for the next order.
    questions.clear();
    ReachCover();
    const QString id = window.OrderId();
    EXPECT_EQ(window.VerifyLabel()->text(), Caption("cOrderVerifyCaption"));
    answers = {true};
    ClickCancel();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(questions, QStringList{CloseQuestion()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !RequestsFor("cancel.php").isEmpty(); }, 10000));
    EXPECT_EQ(RequestsFor("cancel.php"), QStringList{"cancel.php?id=" + id});
    EXPECT_EQ(service->Orders().Read(id).state, QStringLiteral("cancelled"));
    EXPECT_TRUE(Uploads().isEmpty());
}

// An order the service holds page 1 of: resumed, the window starts at the
// cover and sends pages 2 and 3 under the same id, then closes the order.
TEST_F(OrderWizardUploadTest, ResumesAnUnfinishedOrderFromTheFirstPageMissing) {
    const QString id = OpenOrder();
    service->Orders().StorePage(id, 1, QByteArray("page"));
    Wizard().Resume(id, 1);
    EXPECT_TRUE(Wizard().isVisible());
    EXPECT_EQ(Wizard().CurrentStep(), Step::SelectCover);
    EXPECT_EQ(Wizard().OrderId(), id);
    ASSERT_TRUE(WaitForText(QStringLiteral("Choose a cover")));
    PickCoverAndGoOn(2);
    ASSERT_TRUE(WaitForStep(Step::Payment, 120000));
    EXPECT_EQ(Uploads(), (QStringList{"upload.php page=2", "upload.php page=3"}));
    EXPECT_EQ(RequestsFor("end.php"),
              QStringList{"end.php?id=" + id + "&pages=3&cover=photo-gloss"});
    EXPECT_EQ(OrderFileLine(), id);
}
