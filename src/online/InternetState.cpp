#include "online/InternetState.h"

#include <QHostAddress>
#include <QUrl>

bool ReachabilityCountsAsOnline(QNetworkInformation::Reachability reachability) {
    using Reachability = QNetworkInformation::Reachability;
    return reachability == Reachability::Online || reachability == Reachability::Unknown;
}

bool IsLocalService(const QString& serviceUrl) {
    const QString host = QUrl(serviceUrl).host();
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
           QHostAddress(host).isLoopback();
}

bool IsInternetConnected(const QString& serviceUrl) {
    if (IsLocalService(serviceUrl))
        return true;
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return true;
    return ReachabilityCountsAsOnline(QNetworkInformation::instance()->reachability());
}
