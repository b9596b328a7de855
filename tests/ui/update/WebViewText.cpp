#include "ui/update/WebViewText.h"

#include <QPointer>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

// The load may report failure offscreen although the document is there:
// the document itself is read, again and again.
QString WaitForDocumentText(QWebEngineView& view, const std::function<bool(const QString&)>& wanted,
                            int timeoutMs) {
    auto text = std::make_shared<QString>();
    auto pending = std::make_shared<bool>(false);
    QPointer<QWebEngineView> guard(&view);
    QTest::qWaitFor(
        [&] {
            if (!guard)
                return true;
            if (!*pending) {
                *pending = true;
                guard->page()->runJavaScript(
                    QStringLiteral("document.body ? document.body.innerText : ''"),
                    [text, pending](const QVariant& value) {
                        *text = value.toString();
                        *pending = false;
                    });
            }
            return wanted(*text);
        },
        timeoutMs);
    return *text;
}

QString WaitForDocumentText(QWebEngineView& view, const QString& expected, int timeoutMs) {
    return WaitForDocumentText(
        view, [&expected](const QString& text) { return text.contains(expected); }, timeoutMs);
}
