#pragma once

#include "base/Constants.h"
#include "online/UploadFixture.h"
#include "ui/order/OrderWizard.h"

#include <QStringList>
#include <QVariant>
#include <deque>
#include <memory>

// The order window over a book of three pages, talking to the reference
// print service through the real web view. Its questions are answered from
// `answers` (a question with no answer left fails the test) and recorded;
// the pages it hands the browser are recorded in `opened`, the errors it
// tells in `told`.
class OrderWizardFixture : public UploadFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // The window for the service at `base` (the reference service: empty).
    OrderWizard& Wizard(const QString& base = QString());
    // What it is built with: answers and pages opened go to the members below.
    OrderWizardContext MakeContext(const QString& base = QString());
    // "<key>": the text a language key shows in these tests.
    static QString Caption(const char* key);

    // The value of a script run in the window's page (invalid after 10 s).
    QVariant RunScript(const QString& script);
    QString DocumentText() {
        return RunScript(QStringLiteral("document.body ? document.body.innerText : ''")).toString();
    }
    // Waits until the shown document's text holds `needle`.
    bool WaitForText(const QString& needle, int timeoutMs = 20000);
    void TypeCode(const QString& code);
    void ClickNext();
    void ClickCancel();
    // Clicks the page's last anchor with the mouse, as the user would.
    void ClickLastAnchor();
    bool WaitForStep(OrderWizard::Step step, int timeoutMs = 20000);

    // Opens the window and goes through the verification with `code`.
    void ReachCover(const QString& code = QStringLiteral("1234"));
    // ... and picks the cover of the given position, then Next.
    void PickCoverAndGoOn(int position);
    // The service's upload requests: "upload.php page=N" each.
    QStringList Uploads() const;
    // Requests whose text begins with `prefix`.
    QStringList RequestsFor(const QString& prefix) const;
    QString Base() const { return service->ServiceUrl(); }

    Constants strings;
    std::unique_ptr<OrderWizard> wizard;
    std::deque<bool> answers;
    QStringList questions; // "title | prompt"
    QStringList opened;
    QStringList told; // the errors the window told
};
