#include "online/ServiceAddress.h"

#include "online/AddressSettings.h"

namespace {

QString WithSlash(QString url) {
    if (!url.endsWith(QLatin1Char('/')))
        url += QLatin1Char('/');
    return url;
}

} // namespace

QString ServiceBaseUrl() { return CurrentAddress(SiteAddress::Service); }

QString BackgroundSiteUrl() { return CurrentAddress(SiteAddress::Backgrounds); }

bool IsSafeServiceToken(const QString& value) {
    if (value.isEmpty() || value.size() > kMaxServiceTokenLength ||
        value.contains(QLatin1String("..")))
        return false;
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        const bool letterOrDigit =
            (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
        if (!letterOrDigit && u != u'-' && u != u'_' && u != u'.')
            return false;
    }
    return true;
}

// A base that carries a user name or password loses them: no address holds one.
ServiceAddress::ServiceAddress(QString base) {
    QUrl url(base);
    url.setUserInfo(QString());
    mBase = WithSlash(url.toString());
}

QUrl ServiceAddress::At(const QString& pathAndQuery) const {
    return QUrl(mBase + pathAndQuery, QUrl::StrictMode);
}

QUrl ServiceAddress::Upload() const { return At(QStringLiteral("upload.php")); }

// Addresses are joined piece by piece: a value holding "%1" must not be
// taken for a place holder.
QUrl ServiceAddress::End(const QString& orderId, int pageCount, const QString& cover) const {
    return At(QStringLiteral("end.php?id=") + orderId + QStringLiteral("&pages=") +
              QString::number(pageCount) + QStringLiteral("&cover=") + cover);
}

QUrl ServiceAddress::Cancel(const QString& orderId) const {
    return At(QStringLiteral("cancel.php?id=") + orderId);
}

QUrl ServiceAddress::Start(int pageCount, const QString& bookType, int versionNumber) const {
    return At(QStringLiteral("start.php?pages=") + QString::number(pageCount) +
              QStringLiteral("&booktype=") + bookType + QStringLiteral("&version=") +
              QString::number(versionNumber));
}

QUrl ServiceAddress::Verify(const QString& code, const QString& bookType, int versionNumber,
                            int pageCount) const {
    return At(QStringLiteral("verify.php?i=") + QString::fromLatin1(QUrl::toPercentEncoding(code)) +
              QStringLiteral("&booktype=") + bookType + QStringLiteral("&version=") +
              QString::number(versionNumber) + QStringLiteral("&pages=") +
              QString::number(pageCount));
}

QUrl ServiceAddress::Cover() const { return At(QStringLiteral("cover.php")); }

QUrl ServiceAddress::Thumbnail(const QString& orderId, int pageNumber) const {
    return At(QStringLiteral("viewThumb.php?id=") + orderId + QStringLiteral("&page=") +
              QString::number(pageNumber));
}

QUrl ServiceAddress::Purchase(const QString& orderId, int pageCount, int viewWidth,
                              int viewHeight) const {
    return At(QStringLiteral("purchase.php?id=") + orderId + QStringLiteral("&start=1&end=") +
              QString::number(pageCount + 1) + QStringLiteral("&height=") +
              QString::number(viewHeight) + QStringLiteral("&width=") + QString::number(viewWidth) +
              QStringLiteral("&pages=") + QString::number(pageCount));
}

QUrl ServiceAddress::Status(const QString& orderIds) const {
    return At(QStringLiteral("status.php?ids=") + orderIds);
}

QUrl ServiceAddress::Resume() const { return At(QStringLiteral("resume.php")); }

QUrl ServiceAddress::CheckUpdate(int versionNumber) const {
    return At(QStringLiteral("checkUpdate.php?version=") + QString::number(versionNumber));
}
