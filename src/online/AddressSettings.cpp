#include "online/AddressSettings.h"

#include "BuildConfig.h"

#include <QCoreApplication>
#include <QSettings>
#include <QUrl>

namespace {

// Longer than any address a print service gives.
constexpr qsizetype kMaxAddressLength = 2000;

QString WithSlash(QString url) {
    if (!url.endsWith(QLatin1Char('/')))
        url += QLatin1Char('/');
    return url;
}

QString Translated(const char* text) {
    return QCoreApplication::translate("AddressSettings", text);
}

// The program's settings, as the window placement keeps them.
QSettings ProgramSettings() {
    return QSettings(QStringLiteral("Lumbra"), QStringLiteral("Lumbra"));
}

// A server alone gets the path of the build's address for the site.
QString WithUsualPath(SiteAddress site, const QString& base) {
    QUrl url(base);
    if (url.path() != QLatin1String("/") && !url.path().isEmpty())
        return base;
    url.setPath(QUrl(QString::fromUtf8(site == SiteAddress::Service ? BuildConfig::ServiceUrl
                                                                    : BuildConfig::BackgroundUrl))
                    .path());
    return WithSlash(url.toString());
}

QString SettingsKey(SiteAddress site) {
    return site == SiteAddress::Service ? QStringLiteral("Settings/ServiceUrl")
                                        : QStringLiteral("Settings/BackgroundUrl");
}

} // namespace

AddressCheck CheckSiteAddress(SiteAddress site, const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {QString(),
                Translated(QT_TRANSLATE_NOOP("AddressSettings",
                                             "Type an address such as https://example.com/pb/."))};
    if (text.size() > kMaxAddressLength)
        return {QString(),
                Translated(QT_TRANSLATE_NOOP("AddressSettings", "The address is too long."))};
    if (!text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) &&
        !text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return {QString(),
                Translated(QT_TRANSLATE_NOOP("AddressSettings",
                                             "The address must begin with http:// or https://."))};
    const QUrl url(text, QUrl::StrictMode);
    // The server and port as typed, between "//" and the path.
    const QString authority = text.section(QLatin1Char('/'), 2, 2).section(QLatin1Char('@'), -1);
    const qsizetype colon = authority.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0 && !authority.endsWith(QLatin1Char(']'))) {
        bool number = false;
        const int port = authority.mid(colon + 1).toInt(&number);
        if (!number || port < 1 || port > 65535)
            return {QString(),
                    Translated(QT_TRANSLATE_NOOP("AddressSettings",
                                                 "The port must be a number from 1 to 65535."))};
    }
    if (url.host().isEmpty() && (authority.isEmpty() || authority.startsWith(QLatin1Char(':'))))
        return {QString(), Translated(QT_TRANSLATE_NOOP("AddressSettings",
                                                        "The address has no server name."))};
    if (!url.isValid() || url.host().isEmpty())
        return {QString(),
                Translated(QT_TRANSLATE_NOOP("AddressSettings", "The server name is not valid."))};
    if (!url.userInfo().isEmpty())
        return {QString(),
                Translated(QT_TRANSLATE_NOOP(
                    "AddressSettings", "The address must not hold a user name or password."))};
    if (url.hasQuery() || url.hasFragment())
        return {QString(),
                Translated(QT_TRANSLATE_NOOP("AddressSettings",
                                             "The address must end before any \"?\" or \"#\"."))};
    return {WithUsualPath(site, WithSlash(url.toString())), QString()};
}

QString BuiltInAddress(SiteAddress site) {
    return WithSlash(QString::fromUtf8(site == SiteAddress::Service ? BuildConfig::ServiceUrl
                                                                    : BuildConfig::BackgroundUrl));
}

QString AddressFromEnvironment(SiteAddress site) {
    const QString value = qEnvironmentVariable(
        site == SiteAddress::Service ? "LUMBRA_SERVICE_URL" : "LUMBRA_BACKGROUND_URL");
    return value.isEmpty() ? QString() : WithUsualPath(site, WithSlash(value));
}

QString StoredAddress(SiteAddress site) {
    const AddressCheck check =
        CheckSiteAddress(site, ProgramSettings().value(SettingsKey(site)).toString());
    return check.base;
}

void StoreAddress(SiteAddress site, const QString& base) {
    QSettings settings = ProgramSettings();
    const QString kept = CheckSiteAddress(site, base).base;
    if (kept.isEmpty() || kept == BuiltInAddress(site))
        settings.remove(SettingsKey(site));
    else
        settings.setValue(SettingsKey(site), kept);
}

QString CurrentAddress(SiteAddress site) {
    if (QString address = AddressFromEnvironment(site); !address.isEmpty())
        return address;
    if (QString address = StoredAddress(site); !address.isEmpty())
        return address;
    return BuiltInAddress(site);
}
