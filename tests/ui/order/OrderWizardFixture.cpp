#include "ui/order/OrderWizardFixture.h"

#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "render/PageExport.h"
#include "ui/order/OrderWebPage.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>

void OrderWizardFixture::SetUp() {
    UploadFixture::SetUp();
    for (const char* key :
         {"cOrderCaption", "cCancel", "cNextStep", "cOrderUploadStartingCaption",
          "cOrderUploadStatusCaption", "cOrderVerifyCaption", "cOrderVerifyTryAgainCaption",
          "cOrderSelectCoverCaption", "cOrderSelectCoverTryAgainCaption", "cUploadErrorCaption",
          "cUploadErrorLabelCaption", "cCancelOrderCaption", "cCancelOrderLabelCaption"})
        strings.ApplyLanguageLine(QString::fromLatin1(key) + u'=' + Caption(key));
}

void OrderWizardFixture::TearDown() {
    wizard.reset();
    EXPECT_TRUE(answers.empty()) << answers.size() << " answers not asked for";
}

QString OrderWizardFixture::Caption(const char* key) {
    return QStringLiteral("<%1>").arg(QLatin1String(key));
}

OrderWizardContext OrderWizardFixture::MakeContext(const QString& base) {
    return {strings,
            PageRenderer::ForCatalogue(TestCatalogue(), dir.filePath(QStringLiteral("bg"))),
            PrintPageSize(TestCatalogue()),
            ServiceAddress(base.isEmpty() ? service->ServiceUrl() : base),
            [this](const QString& prompt, const QString& title) {
                questions << title + QStringLiteral(" | ") + prompt;
                if (answers.empty()) {
                    ADD_FAILURE() << "unexpected question: " << prompt.toStdString();
                    return false;
                }
                const bool answer = answers.front();
                answers.pop_front();
                return answer;
            },
            [this](const QString& address) {
                opened << address;
                return true;
            },
            30000,
            [this](const QString& text) { told << text; }};
}

OrderWizard& OrderWizardFixture::Wizard(const QString& base) {
    if (!wizard) {
        wizard = std::make_unique<OrderWizard>(MakeContext(base));
        wizard->SetBook(book);
    }
    return *wizard;
}

QVariant OrderWizardFixture::RunScript(const QString& script) {
    std::optional<QVariant> result;
    Wizard().Page()->runJavaScript(script, [&result](const QVariant& value) { result = value; });
    if (!QTest::qWaitFor([&result] { return result.has_value(); }, 10000))
        return {};
    return *result;
}

bool OrderWizardFixture::WaitForText(const QString& needle, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!DocumentText().contains(needle)) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(50);
    }
    return true;
}

void OrderWizardFixture::TypeCode(const QString& code) {
    Wizard().VerifyInput()->clear();
    QTest::keyClicks(Wizard().VerifyInput(), code);
}

void OrderWizardFixture::ClickNext() {
    ASSERT_TRUE(Wizard().NextStepButton()->isVisible());
    ASSERT_TRUE(Wizard().NextStepButton()->isEnabled());
    QTest::mouseClick(Wizard().NextStepButton(), Qt::LeftButton);
}

void OrderWizardFixture::ClickCancel() {
    QTest::mouseClick(Wizard().CancelButton(), Qt::LeftButton);
}

bool OrderWizardFixture::WaitForStep(OrderWizard::Step step, int timeoutMs) {
    return QTest::qWaitFor([&] { return Wizard().CurrentStep() == step; }, timeoutMs);
}

void OrderWizardFixture::ReachCover(const QString& code) {
    Wizard().Start();
    ASSERT_TRUE(WaitForText(QStringLiteral("Type one of these codes")));
    TypeCode(code);
    ClickNext();
    ASSERT_TRUE(WaitForStep(OrderWizard::Step::SelectCover));
    ASSERT_TRUE(WaitForText(QStringLiteral("Choose a cover")));
}

void OrderWizardFixture::PickCoverAndGoOn(int position) {
    RunScript(QStringLiteral("document.querySelectorAll('.cover')[%1].click()").arg(position));
    ClickNext();
}

QStringList OrderWizardFixture::Uploads() const {
    return RequestsFor(QStringLiteral("upload.php"));
}

QStringList OrderWizardFixture::RequestsFor(const QString& prefix) const {
    QStringList found;
    for (const QString& request : Requests())
        if (request.startsWith(prefix))
            found << request;
    return found;
}

void OrderWizardFixture::ClickLastAnchor() {
    const QVariantList centre =
        RunScript(QStringLiteral("(() => { const a = document.getElementsByTagName('a');"
                                 " const r = a[a.length - 1].getBoundingClientRect();"
                                 " return [r.left + r.width / 2, r.top + r.height / 2]; })()"))
            .toList();
    ASSERT_EQ(centre.size(), 2);
    QWidget* input = Wizard().PageInput();
    ASSERT_NE(input, nullptr);
    const QPoint at(qRound(centre[0].toDouble()), qRound(centre[1].toDouble()));
    QTest::mouseMove(input, at);
    QTest::mouseClick(input, Qt::LeftButton, {}, at);
}
