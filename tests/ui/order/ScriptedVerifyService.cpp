#include "ui/order/ScriptedVerifyService.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>

ScriptedVerifyService::ScriptedVerifyService() {
    mServer.route("/pb/<arg>", [this](const QString& file, const QHttpServerRequest& request,
                                      QHttpServerResponder&& responder) {
        const QByteArray html = "text/html; charset=utf-8";
        if (file == QLatin1String("start.php")) {
            ++startPages;
            return responder.write("<html><body>Scripted start</body></html>", html);
        }
        if (file == QLatin1String("verify.php")) {
            ++verifyPages;
            verifyQuery = request.url().query(QUrl::FullyEncoded);
            return responder.write("<html><body>" + answer + "</body></html>", html);
        }
        responder.write("not found", "text/plain", QHttpServerResponder::StatusCode::NotFound);
    });
    mPort = mServer.listen(QHostAddress::LocalHost, 0);
}

QString ScriptedVerifyService::Base() const {
    return QStringLiteral("http://127.0.0.1:%1/pb/").arg(mPort);
}
