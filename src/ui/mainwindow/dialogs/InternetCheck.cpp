#include "ui/mainwindow/dialogs/InternetCheck.h"

#include <QHostAddress>
#include <QNetworkInformation>
#include <QUrl>

bool IsInternetConnected(const QString& serviceUrl) {
    const QString host = QUrl(serviceUrl).host();
    if (host == QLatin1String("localhost") || QHostAddress(host).isLoopback())
        return true;
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return true; // no backend: unknown counts as connected
    return QNetworkInformation::instance()->reachability() !=
           QNetworkInformation::Reachability::Disconnected;
}
