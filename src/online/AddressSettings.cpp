#include "online/AddressSettings.h"

#include "BuildConfig.h"

#include <QCoreApplication>
#include <QSettings>
#include <QUrl>

namespace {

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

QString SettingsKey(SiteAddress site) {
    return site == SiteAddress::Service ? QStringLiteral("Settings/ServiceUrl")
                                        : QStringLiteral("Settings/BackgroundUrl");
}

} // namespace

AddressCheck CheckSiteAddress(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {QString(), Translated("Type an address such as https://example.com/pb/.")};
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {QString(), Translated("The address must begin with http:// or https://.")};
    if (url.host().isEmpty())
        return {QString(), Translated("The address has no server name.")};
    if (!url.userInfo().isEmpty())
        return {QString(), Translated("The address must not hold a user name or password.")};
    if (url.hasQuery() || url.hasFragment())
        return {QString(), Translated("The address must end before any \"?\" or \"#\".")};
    return {WithSlash(url.toString()), QString()};
}

QString BuiltInAddress(SiteAddress site) {
    return WithSlash(QString::fromUtf8(site == SiteAddress::Service ? BuildConfig::ServiceUrl
                                                                    : BuildConfig::BackgroundUrl));
}

QString AddressFromEnvironment(SiteAddress site) {
    const QString value = qEnvironmentVariable(
        site == SiteAddress::Service ? "LUMBRA_SERVICE_URL" : "LUMBRA_BACKGROUND_URL");
    return value.isEmpty() ? QString() : WithSlash(value);
}

QString StoredAddress(SiteAddress site) {
    const AddressCheck check =
        CheckSiteAddress(ProgramSettings().value(SettingsKey(site)).toString());
    return check.base;
}

void StoreAddress(SiteAddress site, const QString& base) {
    QSettings settings = ProgramSettings();
    const QString kept = CheckSiteAddress(base).base;
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
