#include "online/InternetState.h"

#include <gtest/gtest.h>

using Reachability = QNetworkInformation::Reachability;

TEST(InternetState, OnlyOnlineOrUnknownCountsAsConnected) {
    EXPECT_TRUE(ReachabilityCountsAsOnline(Reachability::Online));
    EXPECT_TRUE(ReachabilityCountsAsOnline(Reachability::Unknown));
    EXPECT_FALSE(ReachabilityCountsAsOnline(Reachability::Disconnected));
    EXPECT_FALSE(ReachabilityCountsAsOnline(Reachability::Local));
    EXPECT_FALSE(ReachabilityCountsAsOnline(Reachability::Site));
}

TEST(InternetState, AServiceOnThisMachineIsLocal) {
    for (const char* url : {"http://127.0.0.1:8080/pb/", "http://localhost/pb/",
                            "http://LOCALHOST:9/pb/", "http://[::1]:9/pb/", "http://127.8.0.2/pb/"})
        EXPECT_TRUE(IsLocalService(QString::fromLatin1(url))) << url;
    for (const char* url : {"http://print.example.org/pb/", "http://10.0.0.1/pb/",
                            "http://localhost.example.org/pb/", "http://[2001:db8::1]/pb/", ""})
        EXPECT_FALSE(IsLocalService(QString::fromLatin1(url))) << url;
}

TEST(InternetState, ALocalServiceCountsAsConnectedWhateverThePlatformSays) {
    EXPECT_TRUE(IsInternetConnected(QStringLiteral("http://127.0.0.1:9/pb/")));
    EXPECT_TRUE(IsInternetConnected(QStringLiteral("http://localhost:9/pb/")));
}

TEST(InternetState, AServiceElsewhereFollowsThePlatformsAnswer) {
    const bool connected = IsInternetConnected(QStringLiteral("http://print.example.org/pb/"));
    const QNetworkInformation* platform = QNetworkInformation::instance();
    if (!platform) {
        EXPECT_TRUE(connected) << "no backend: the state is unknown";
        return;
    }
    EXPECT_EQ(connected, ReachabilityCountsAsOnline(platform->reachability()))
        << "backend " << platform->backendName().toStdString();
}
