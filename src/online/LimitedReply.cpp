#include "online/LimitedReply.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <algorithm>

namespace {

// Dynamic properties of a reply sent with limits.
const char* const kStopped = "lumbraStopped"; // why the limits ended it
const char* const kMaxBytes = "lumbraMaxBytes";
const char* const kIdleMs = "lumbraIdleMs";

void Stop(QNetworkReply* reply, const QString& why) {
    if (reply->isFinished() || reply->property(kStopped).isValid())
        return;
    reply->setProperty(kStopped, why);
    reply->abort();
}

void CheckSize(QNetworkReply* reply, qint64 maxBytes, qint64 size) {
    if (size > maxBytes)
        Stop(reply, QStringLiteral("the answer is larger than %1 bytes").arg(maxBytes));
}

QString Seconds(int ms) { return QString::number(ms / 1000.0); }

} // namespace

bool IsSameOrigin(const QUrl& origin, const QUrl& target) {
    const QString scheme = target.scheme().toLower();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           scheme == origin.scheme().toLower() && !target.host().isEmpty() &&
           target.host().compare(origin.host(), Qt::CaseInsensitive) == 0 &&
           target.port(scheme == QLatin1String("https") ? 443 : 80) ==
               origin.port(scheme == QLatin1String("https") ? 443 : 80);
}

QNetworkReply* SendLimited(QNetworkAccessManager& network, const QUrl& url,
                           const ReplyLimits& limits, Redirects redirects,
                           const std::optional<QByteArray>& postBody,
                           const QByteArray& contentType) {
    QNetworkRequest request(url);
    request.setTransferTimeout(limits.idleMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         redirects == Redirects::Refused
                             ? QNetworkRequest::ManualRedirectPolicy
                             : QNetworkRequest::UserVerifiedRedirectPolicy);
    if (!contentType.isEmpty())
        request.setRawHeader("Content-Type", contentType);
    QNetworkReply* reply = postBody ? network.post(request, *postBody) : network.get(request);
    const qint64 maxBytes = limits.maxBytes;
    reply->setProperty(kMaxBytes, maxBytes);
    reply->setProperty(kIdleMs, limits.idleMs);
    // Qt holds no more than this before the checks below see it.
    reply->setReadBufferSize(maxBytes + 1);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, maxBytes] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            CheckSize(reply, maxBytes, length.toLongLong());
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply,
                     [reply, maxBytes] { CheckSize(reply, maxBytes, reply->bytesAvailable()); });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, maxBytes](qint64 received, qint64 total) {
                         CheckSize(reply, maxBytes, std::max(received, total));
                     });
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, ms = limits.deadlineMs] {
        Stop(reply, QStringLiteral("no whole answer within %1 seconds").arg(Seconds(ms)));
    });
    QObject::connect(reply, &QNetworkReply::finished, deadline, &QTimer::stop);
    deadline->start(limits.deadlineMs);
    if (redirects == Redirects::SameOrigin) {
        QObject::connect(reply, &QNetworkReply::redirected, reply, [reply, url](const QUrl& to) {
            if (IsSameOrigin(url, to))
                emit reply->redirectAllowed();
            else
                Stop(reply, QStringLiteral("sent on to another site (%1)")
                                .arg(to.toDisplayString().left(200)));
        });
    }
    return reply;
}

bool StoppedByLimits(const QNetworkReply& reply) { return reply.property(kStopped).isValid(); }

std::optional<QString> ReplyFailure(const QNetworkReply& reply) {
    if (StoppedByLimits(reply))
        return reply.property(kStopped).toString();
    const QVariant statusValue = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int status = statusValue.toInt();
    if (status >= 300 && status < 400)
        return QStringLiteral("sent elsewhere (status %1), which is not followed").arg(status);
    if (statusValue.isValid() && (status < 200 || status > 299))
        return QStringLiteral("status %1 %2")
            .arg(status)
            .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().left(100));
    switch (reply.error()) {
    case QNetworkReply::NoError: break;
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        return QStringLiteral("no answer within %1 seconds")
            .arg(Seconds(reply.property(kIdleMs).toInt()));
    default: return reply.errorString();
    }
    if (!statusValue.isValid())
        return QStringLiteral("no status");
    return std::nullopt;
}

QByteArray ReplyBody(QNetworkReply& reply) {
    const QVariant maxBytes = reply.property(kMaxBytes);
    return maxBytes.isValid() ? reply.read(maxBytes.toLongLong()) : reply.readAll();
}
