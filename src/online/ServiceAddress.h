#pragma once

#include <QString>
#include <QUrl>

// Addresses of the order service and of the background site.
//
// Both bases are the addresses in use now (AddressSettings.h: the
// environment, the user's settings, the build). Every base ends with "/".
QString ServiceBaseUrl();
QString BackgroundSiteUrl();

// The longest order id or cover taken from the service.
inline constexpr qsizetype kMaxServiceTokenLength = 64;

// True for an order id or cover the service may hand us: 1 to 64 of the
// characters that travel unchanged in an address and a file name (ASCII
// letters and digits, "-", "_", "."), and no "..". Anything else is an
// invalid answer: it would corrupt "order.pbx" or the addresses it goes into.
bool IsSafeServiceToken(const QString& value);

// The order service's addresses below one base. Numbers are plain decimal;
// ids and covers go in as received (checked with IsSafeServiceToken).
class ServiceAddress {
public:
    ServiceAddress() : ServiceAddress(ServiceBaseUrl()) {}
    explicit ServiceAddress(QString base);

    const QString& Base() const { return mBase; }
    QUrl Upload() const;
    QUrl End(const QString& orderId, int pageCount, const QString& cover) const;
    QUrl Cancel(const QString& orderId) const;
    QUrl Start(int pageCount, const QString& bookType, int versionNumber) const;
    // The code is percent-encoded: it is what the user typed.
    QUrl Verify(const QString& code, const QString& bookType, int versionNumber,
                int pageCount) const;
    QUrl Cover() const;
    QUrl Thumbnail(const QString& orderId, int pageNumber) const;
    QUrl Purchase(const QString& orderId, int pageCount, int viewWidth, int viewHeight) const;
    QUrl Status(const QString& orderIds) const;
    // Where the status page's link to continue an unfinished upload leads
    // (without its query "id=ID&page=N").
    QUrl Resume() const;
    QUrl CheckUpdate(int versionNumber) const;

private:
    QUrl At(const QString& pathAndQuery) const;

    QString mBase;
};
