#include "online/OrderCancel.h"

#include "base/LumbraError.h"
#include "online/LimitedReply.h"
#include "online/OnlineLog.h"
#include "online/ServiceAddress.h"

#include <QNetworkReply>

QNetworkReply* SendOrderCancel(QNetworkAccessManager& network, const ServiceAddress& service,
                               const QString& orderId, QObject* context,
                               std::function<void(const std::optional<QString>& failure)> done,
                               int timeoutMs, int deadlineMs) {
    if (!IsSafeServiceToken(orderId))
        throw LumbraError(QStringLiteral("The order id cannot be used"));
    QNetworkReply* reply =
        SendLimited(network, service.Cancel(orderId),
                    ReplyLimits{kServiceAnswerBytes, deadlineMs, timeoutMs}, Redirects::Refused);
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    QObject::connect(reply, &QNetworkReply::finished, context, [reply, done = std::move(done)] {
        const std::optional<QString> failure = ReplyFailure(*reply);
        if (failure)
            qCWarning(lcOnline) << "cancelling the order:" << *failure;
        if (done)
            done(failure);
    });
    return reply;
}
