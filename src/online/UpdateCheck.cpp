#include "online/UpdateCheck.h"

#include "base/ShellOpen.h"
#include "online/AnswerMarker.h"
#include "online/LimitedReply.h"
#include "online/OnlineLog.h"
#include "online/ServiceAddress.h"

#include <QNetworkReply>

UpdateAnswer ReadUpdateAnswer(QByteArrayView text) {
    if (!QString::fromUtf8(text.data(), text.size()).contains(QStringLiteral("[(")))
        return {UpdateAnswer::Kind::Current, {}};
    const std::optional<QString> address = ReadAnswerMarker(text);
    if (!address || !WebPageUrl(*address))
        return {};
    return {UpdateAnswer::Kind::Newer, *address};
}

QNetworkReply* RequestUpdateCheck(QNetworkAccessManager& network, const ServiceAddress& service,
                                  int versionNumber, int timeoutMs, QObject* context,
                                  std::function<void(const UpdateAnswer&)> done, int deadlineMs) {
    QNetworkReply* reply =
        SendLimited(network, service.CheckUpdate(versionNumber),
                    ReplyLimits{kServiceAnswerBytes, deadlineMs, timeoutMs}, Redirects::Refused);
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    QObject::connect(reply, &QNetworkReply::finished, context, [reply, done = std::move(done)] {
        if (const std::optional<QString> failure = ReplyFailure(*reply)) {
            qCInfo(lcOnline) << "update check:" << *failure;
            return done(UpdateAnswer{});
        }
        const UpdateAnswer answer = ReadUpdateAnswer(ReplyBody(*reply));
        if (answer.kind == UpdateAnswer::Kind::Failed)
            qCInfo(lcOnline) << "update check: the answer names no web address";
        done(answer);
    });
    return reply;
}
