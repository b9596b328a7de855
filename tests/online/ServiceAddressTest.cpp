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

// One rule for ids and covers: [A-Za-z0-9._-], no "..", 1 to 64 characters.
TEST(ServiceAddress, OnlyTokensThatTravelUnchangedAreTaken) {
    for (const QString& good : {QStringLiteral("LB1001"), QStringLiteral("linen-blue"),
                                QStringLiteral("A_7"), QStringLiteral("v1.2"), QString(64, u'x')})
        EXPECT_TRUE(IsSafeServiceToken(good)) << good.toStdString();

    // Each character that is not a letter, digit, "-", "_" or ".", between good ones.
    QString refused = QStringLiteral("\"<>|,&#?%/\\ :;=+*'`!@$()[]{}^~\t\r\n\x7f");
    refused += QString(QChar(0)) + QChar(0xE9) + QChar(0x200E) + QChar(0x202E) + QChar(0x2028) +
               QChar(0xFF21) + QChar(0x0430); // é, marks, a separator, fullwidth A, Cyrillic a
    for (const QChar c : refused) {
        const QString token = QStringLiteral("LB1") + c + QStringLiteral("001");
        EXPECT_FALSE(IsSafeServiceToken(token)) << "U+" << std::hex << int(c.unicode());
    }
    for (const QString& bad : {QString(), QStringLiteral(".."), QStringLiteral("../x"),
                               QStringLiteral("a..b"), QString(65, u'x'), QString(70000, u'7')})
        EXPECT_FALSE(IsSafeServiceToken(bad)) << bad.left(20).toStdString();
}
