#include "ui/update/BrowserCatcher.h"

#include <QDesktopServices>

BrowserCatcher::BrowserCatcher() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
}

BrowserCatcher::~BrowserCatcher() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void BrowserCatcher::Open(const QUrl& url) { opened << url; }
