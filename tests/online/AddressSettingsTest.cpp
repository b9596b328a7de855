#include "online/AddressSettings.h"
#include "online/ServiceAddress.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(AddressSettings, TypedAddressesAreCheckedAsTheUserTypesThem) {
    const QByteArray longPath = "https://print.example.com/" + QByteArray(100 * 1024, 'a');
    const struct {
        const char* typed;
        const char* base;              // empty: refused
        const char* problem = nullptr; // a word of the message, where it matters
    } cases[] = {
        {"https://print.example.com/pb", "https://print.example.com/pb/"},
        {"  http://10.0.0.5:8642/pb/ ", "http://10.0.0.5:8642/pb/"},
        {"HTTPS://Print.Example.com/", "https://print.example.com/pb/"}, // the usual path
        {"http://10.0.0.5:8642", "http://10.0.0.5:8642/pb/"},
        {"", ""},
        {"print.example.com/pb/", ""},
        {"ftp://print.example.com/", ""},
        {"file:///etc/", ""},
        {"https:///pb/", ""},
        {"https://anna@print.example.com/pb/", ""},
        {"https://print.example.com/pb/?x=1", ""},
        {"https://print example.com/", "", "server name"},
        {"https://print.example.com:0/pb/", "", "port"},
        {"http://10.0.0.5:65536/pb/", "", "port"},
        {"http://10.0.0.5:/pb/", "", "port"},
        {"http://[::1]:8642/pb/", "http://[::1]:8642/pb/"},
        {longPath.constData(), "", "too long"},
    };
    for (const auto& c : cases) {
        const AddressCheck check =
            CheckSiteAddress(SiteAddress::Service, QString::fromUtf8(c.typed));
        EXPECT_EQ(check.base, QString::fromUtf8(c.base)) << c.typed;
        EXPECT_EQ(check.Ok(), *c.base != '\0') << c.typed;
        EXPECT_EQ(check.problem.isEmpty(), check.Ok()) << c.typed;
        if (c.problem)
            EXPECT_TRUE(check.problem.contains(QLatin1String(c.problem))) << c.typed;
    }
    // A user name with a password is refused like a user name alone.
    const AddressCheck withPassword = CheckSiteAddress(
        SiteAddress::Service,
        QStringLiteral("https://%1@print.example.com/pb/").arg(QStringLiteral("anna:secret")));
    EXPECT_TRUE(withPassword.base.isEmpty());
    EXPECT_FALSE(withPassword.Ok());
    EXPECT_FALSE(withPassword.problem.isEmpty());
}

// Environment, then the kept address, then the build's; a kept address that
// no longer passes the check counts as none.
TEST(AddressSettings, TheAddressInUseComesFromTheEnvironmentTheSettingsOrTheBuild) {
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    const QByteArray environment = qgetenv("LUMBRA_SERVICE_URL");
    qunsetenv("LUMBRA_SERVICE_URL");
    EXPECT_EQ(ServiceBaseUrl(), BuiltInAddress(SiteAddress::Service));
    StoreAddress(SiteAddress::Service, QStringLiteral("https://print.example.com/pb"));
    EXPECT_EQ(ServiceBaseUrl(), QStringLiteral("https://print.example.com/pb/"));
    EXPECT_EQ(BackgroundSiteUrl(), CurrentAddress(SiteAddress::Backgrounds));
    qputenv("LUMBRA_SERVICE_URL", "http://127.0.0.1:1/pb");
    EXPECT_EQ(ServiceBaseUrl(), QStringLiteral("http://127.0.0.1:1/pb/"));
    qputenv("LUMBRA_SERVICE_URL", "http://127.0.0.1:1"); // a server alone: the usual path
    EXPECT_EQ(ServiceBaseUrl(), QStringLiteral("http://127.0.0.1:1/pb/"));
    qputenv("LUMBRA_BACKGROUND_URL", "http://127.0.0.1:1/");
    EXPECT_EQ(BackgroundSiteUrl(), QStringLiteral("http://127.0.0.1:1/bg/"));
    qunsetenv("LUMBRA_BACKGROUND_URL");
    qunsetenv("LUMBRA_SERVICE_URL");
    QSettings(QStringLiteral("Lumbra"), QStringLiteral("Lumbra"))
        .setValue(QStringLiteral("Settings/ServiceUrl"),
                  QStringLiteral("https://%1@x/").arg(QStringLiteral("a:b")));
    EXPECT_EQ(ServiceBaseUrl(), BuiltInAddress(SiteAddress::Service));
    StoreAddress(SiteAddress::Service, BuiltInAddress(SiteAddress::Service));
    EXPECT_FALSE(QSettings(QStringLiteral("Lumbra"), QStringLiteral("Lumbra"))
                     .contains(QStringLiteral("Settings/ServiceUrl")));
    if (!environment.isEmpty())
        qputenv("LUMBRA_SERVICE_URL", environment);
}
