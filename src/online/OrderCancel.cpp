#include "online/OrderCancel.h"

#include "base/LumbraError.h"
#include "online/OnlineLog.h"
#include "online/ServiceAddress.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

QNetworkReply* SendOrderCancel(QNetworkAccessManager& network, const ServiceAddress& service,
                               const QString& orderId, int timeoutMs) {
    if (!IsSafeServiceToken(orderId))
        throw LumbraError(QStringLiteral("The order id cannot be used"));
    QNetworkRequest request(service.Cancel(orderId));
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = network.get(request);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply] {
        if (reply->error() != QNetworkReply::NoError)
            qCWarning(lcOnline) << "cancelling the order:" << reply->errorString();
        reply->deleteLater();
    });
    return reply;
}
