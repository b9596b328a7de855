#include "base/ShellOpen.h"

#include "base/BaseLog.h"

#include <QDesktopServices>
#include <QRegularExpression>

namespace {

// A scheme and its ":", unless the ":" only starts a port ("host:8080/").
bool NamesScheme(const QString& address) {
    static const QRegularExpression scheme(
        QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?![0-9]+(/|$))"));
    return scheme.match(address).hasMatch();
}

} // namespace

QString WebPageAddress(const QString& address) {
    if (NamesScheme(address))
        return address;
    return QStringLiteral("http://") + address;
}

std::optional<QUrl> WebPageUrl(const QString& address) {
    const QUrl url(WebPageAddress(address.trimmed()), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return std::nullopt;
    return url;
}

bool OpenWebPage(const QString& address) {
    const std::optional<QUrl> url = WebPageUrl(address);
    if (!url) {
        qCWarning(lcBase) << "Not a web address, not opened:" << address.left(200);
        return false;
    }
    return QDesktopServices::openUrl(*url);
}

bool OpenFolderWindow(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
