#include "online/UpdateCheck.h"

#include "online/AnswerMarker.h"
#include "online/OnlineLog.h"
#include "online/ServiceAddress.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// More than any announcement needs; a longer answer is cut here.
constexpr qint64 kAnswerLimit = 64 * 1024;

} // namespace

UpdateAnswer ReadUpdateAnswer(QByteArrayView text) {
    if (!QString::fromUtf8(text.data(), text.size()).contains(QStringLiteral("[(")))
        return {UpdateAnswer::Kind::Current, {}};
    const std::optional<QString> address = ReadAnswerMarker(text);
    if (!address || address->isEmpty())
        return {};
    return {UpdateAnswer::Kind::Newer, *address};
}

QNetworkReply* RequestUpdateCheck(QNetworkAccessManager& network, const ServiceAddress& service,
                                  int versionNumber, int timeoutMs, QObject* context,
                                  std::function<void(const UpdateAnswer&)> done) {
    QNetworkRequest request(service.CheckUpdate(versionNumber));
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = network.get(request);
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    QObject::connect(reply, &QNetworkReply::finished, context, [reply, done = std::move(done)] {
        if (reply->error() != QNetworkReply::NoError) {
            qCInfo(lcOnline) << "update check:" << reply->errorString();
            return done(UpdateAnswer{});
        }
        done(ReadUpdateAnswer(reply->read(kAnswerLimit)));
    });
    return reply;
}
