#include "ui/order/OrderWebPage.h"

#include <QVariantMap>

OrderWebPage::OrderWebPage(QObject* parent) : QWebEnginePage(parent) {}

void OrderWebPage::ReadDocument(std::function<void(const QUrl&, const QString&)> done) {
    runJavaScript(QStringLiteral("({href: location.href, text: document.documentElement ? "
                                 "document.documentElement.innerText : ''})"),
                  [done = std::move(done)](const QVariant& result) {
                      const QVariantMap map = result.toMap();
                      done(QUrl(map.value(QStringLiteral("href")).toString()),
                           map.value(QStringLiteral("text")).toString());
                  });
}

void OrderWebPage::ReadElements(std::function<void(const QStringList&)> done) {
    runJavaScript(
        QStringLiteral("Array.from(document.getElementsByTagName('*'), e => e.innerHTML)"),
        [done = std::move(done)](const QVariant& result) { done(result.toStringList()); });
}

void OrderWebPage::ReadLastAnchor(std::function<void(const QUrl&)> done) {
    runJavaScript(
        QStringLiteral("(() => { const a = document.getElementsByTagName('a');"
                       " return a.length ? a[a.length - 1].href : ''; })()"),
        [done = std::move(done)](const QVariant& result) { done(QUrl(result.toString())); });
}

bool OrderWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (type == NavigationTypeLinkClicked && isMainFrame && mLinkFilter && mLinkFilter(url))
        return false;
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}
