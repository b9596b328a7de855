#include "base/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

QString WebPageAddress(const QString& address) {
    if (address.startsWith(QLatin1String("http"), Qt::CaseInsensitive))
        return address;
    return QStringLiteral("http://") + address;
}

bool OpenWebPage(const QString& address) {
    const QUrl url(WebPageAddress(address), QUrl::TolerantMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool OpenFolderWindow(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
