#pragma once

#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class ServiceAddress;

// What the service says to "checkUpdate.php".
struct UpdateAnswer {
    enum class Kind {
        Newer,   // a newer version waits at `address`
        Current, // no newer version
        Failed,  // no answer, or one that cannot be read
    };
    Kind kind = Kind::Failed;
    QString address;
};

// The whole update check's time, however slowly its answer trickles.
inline constexpr int kUpdateCheckDeadlineMs = 30000;

// The service announces a newer version only by its marker: the download
// address between the first "[(" and the first ")]". An answer without "[("
// means no newer version; "[(" without a ")]" after it, an empty address or
// one that is not an http or https address (WebPageUrl) cannot be read.
UpdateAnswer ReadUpdateAnswer(QByteArrayView text);

// GET "checkUpdate.php?version=" + versionNumber, asynchronous. `done` runs
// once with the answer, on `context`'s thread, never during this call and
// not at all once `context` is gone. The request has the limits of
// LimitedReply: a transfer error, a status other than 2xx (a redirect
// included), an answer of more than kServiceAnswerBytes, no byte within
// timeoutMs or no whole answer within deadlineMs gives Failed. The reply
// deletes itself.
QNetworkReply* RequestUpdateCheck(QNetworkAccessManager& network, const ServiceAddress& service,
                                  int versionNumber, int timeoutMs, QObject* context,
                                  std::function<void(const UpdateAnswer&)> done,
                                  int deadlineMs = kUpdateCheckDeadlineMs);
