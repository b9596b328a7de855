#pragma once

#include <QString>
#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QObject;
class ServiceAddress;

// Cancels an order outside an upload (the order window's cover and payment
// steps): GET "cancel.php?id=" + id with the limits of LimitedReply (no
// redirect, an answer of at most kServiceAnswerBytes, the deadline), the
// answer's text not read. `done` runs once on `context`'s thread with why
// the service did not confirm the cancel (none when it did), never during
// this call and not at all once `context` is gone. The reply deletes itself.
// Throws LumbraError, sending nothing, for an id IsSafeServiceToken refuses.
QNetworkReply* SendOrderCancel(QNetworkAccessManager& network, const ServiceAddress& service,
                               const QString& orderId, QObject* context,
                               std::function<void(const std::optional<QString>& failure)> done,
                               int timeoutMs = 60000, int deadlineMs = 120000);
