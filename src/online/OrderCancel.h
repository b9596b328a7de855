#pragma once

#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class ServiceAddress;

// Cancels an order outside an upload (the order window's cover and payment
// steps): GET "cancel.php?id=" + id, the answer not read. The reply deletes
// itself once finished; it ends after `timeoutMs` at the latest. Throws
// LumbraError, sending nothing, for an id IsSafeServiceToken refuses.
QNetworkReply* SendOrderCancel(QNetworkAccessManager& network, const ServiceAddress& service,
                               const QString& orderId, int timeoutMs = 60000);
