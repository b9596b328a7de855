#include "ui/order/OrderWizardScene.h"

#include "ui/order/OrderWebPage.h"
#include "ui/order/OrderWizard.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWebEngineView>

namespace {

using Step = OrderWizard::Step;

Step SceneEnd(const QString& scene) {
    if (scene == QLatin1String("order-cover"))
        return Step::SelectCover;
    if (scene == QLatin1String("order-upload"))
        return Step::Upload;
    if (scene == QLatin1String("order-payment"))
        return Step::Payment;
    return Step::Verify;
}

// Picks the first cover once the cover page is there, then goes on.
void PickCover(OrderWizard& wizard, bool goOn) {
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(
        wizard.Browser(), &QWebEngineView::loadFinished, &wizard, [&wizard, goOn, connection] {
            QObject::disconnect(*connection);
            wizard.Page()->runJavaScript(QStringLiteral("document.querySelector('.cover').click()"),
                                         [&wizard, goOn](const QVariant&) {
                                             if (goOn)
                                                 wizard.NextStepButton()->click();
                                         });
        });
}

} // namespace

void PlayOrderScene(OrderWizard& wizard, const QString& scene) {
    const Step end = SceneEnd(scene);
    wizard.VerifyInput()->setText(QStringLiteral("1234"));
    if (end == Step::Verify)
        return;
    QObject::connect(&wizard, &OrderWizard::stepEntered, &wizard, [&wizard, end](Step step) {
        if (step == Step::SelectCover)
            PickCover(wizard, end != Step::SelectCover);
    });
    wizard.NextStepButton()->click();
}

int OrderSceneDelayMs(const QString& scene) {
    if (scene == QLatin1String("order-upload"))
        return 6000;
    if (scene == QLatin1String("order-payment"))
        return 20000;
    if (scene.startsWith(QLatin1String("order-")))
        return 4000;
    return 0;
}
