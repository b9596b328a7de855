#include "online/ServiceAddress.h"

#include <QUrl>
#include <gtest/gtest.h>

TEST(ServiceAddress, BuildsTheServiceAddressesBelowItsBase) {
    const ServiceAddress service(QStringLiteral("http://127.0.0.1:9/pb"));
    EXPECT_EQ(service.Base(), QStringLiteral("http://127.0.0.1:9/pb/"));
    EXPECT_EQ(service.Upload().toString(), QStringLiteral("http://127.0.0.1:9/pb/upload.php"));
    EXPECT_EQ(service.End(QStringLiteral("LB7"), 3, QStringLiteral("red")).toString(),
              QStringLiteral("http://127.0.0.1:9/pb/end.php?id=LB7&pages=3&cover=red"));
    EXPECT_EQ(service.Cancel(QStringLiteral("LB7")).toString(),
              QStringLiteral("http://127.0.0.1:9/pb/cancel.php?id=LB7"));
    EXPECT_EQ(service.Purchase(QStringLiteral("LB7"), 20, 500, 439).toString(),
              QStringLiteral("http://127.0.0.1:9/pb/"
                             "purchase.php?id=LB7&start=1&end=21&height=439&width=500&pages=20"));
    EXPECT_EQ(service.Status(QStringLiteral("LB1,LB2")).toString(),
              QStringLiteral("http://127.0.0.1:9/pb/status.php?ids=LB1,LB2"));
}

TEST(ServiceAddress, TheTypedCodeIsPercentEncoded) {
    const ServiceAddress service(QStringLiteral("http://127.0.0.1:9/pb/"));
    EXPECT_EQ(
        service.Verify(QStringLiteral("a b&c=d#e"), QStringLiteral("2_290_212"), 10000, 20)
            .toString(QUrl::FullyEncoded)
            .toStdString(),
        QStringLiteral("http://127.0.0.1:9/pb/"
                       "verify.php?i=a%20b%26c%3Dd%23e&booktype=2_290_212&version=10000&pages=20")
            .toStdString());
}

TEST(ServiceAddress, NoUserNameOrPasswordInAnyAddress) {
    // A base given with a user and a password by whoever deploys the program.
    QUrl base(QStringLiteral("http://127.0.0.1:9/pb/"));
    base.setUserName(QStringLiteral("ann"));
    base.setPassword(QStringLiteral("secret"));
    const ServiceAddress service(base.toString());
    EXPECT_EQ(service.Base(), QStringLiteral("http://127.0.0.1:9/pb/"));
    EXPECT_FALSE(service.Upload().toString().contains(QStringLiteral("secret")));
}

TEST(ServiceAddress, EnvironmentOverridesTheBuiltInBases) {
    qputenv("LUMBRA_SERVICE_URL", "http://127.0.0.2:1/orders");
    qputenv("LUMBRA_BACKGROUND_URL", "http://127.0.0.2:1/backgrounds/");
    EXPECT_EQ(ServiceBaseUrl(), QStringLiteral("http://127.0.0.2:1/orders/"));
    EXPECT_EQ(BackgroundSiteUrl(), QStringLiteral("http://127.0.0.2:1/backgrounds/"));
    EXPECT_EQ(ServiceAddress().Base(), QStringLiteral("http://127.0.0.2:1/orders/"));
    qunsetenv("LUMBRA_SERVICE_URL");
    qunsetenv("LUMBRA_BACKGROUND_URL");
    EXPECT_TRUE(ServiceBaseUrl().endsWith(QLatin1Char('/')));
    EXPECT_NE(ServiceBaseUrl(), QStringLiteral("http://127.0.0.2:1/orders/"));
}

TEST(ServiceAddress, ValuesThatWouldCorruptTheOrderFileOrAnAddressAreRefused) {
    for (const char* good : {"LB1001", "linen-blue", "A_7"})
        EXPECT_TRUE(IsSafeServiceToken(QString::fromLatin1(good))) << good;
    for (const char* bad : {"", "LB1,LB2", "LB1\r\n", "LB\n1", "LB\t1", "a&pages=9", "a#b", "a b",
                            "../x", "a?b", "%2", "\x7f"})
        EXPECT_FALSE(IsSafeServiceToken(QString::fromLatin1(bad))) << bad;
}
