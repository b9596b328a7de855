#include "PrintService.h"

#include "ServicePages.h"
#include "UploadForm.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QImage>
#include <QImageReader>
#include <QTcpServer>
#include <QTcpSocket>

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>
#include <algorithm>
#include <cstdio>

namespace {

using Status = QHttpServerResponder::StatusCode;

const QByteArray kHtml = "text/html; charset=utf-8";
const QByteArray kText = "text/plain; charset=utf-8";

QByteArray Marker(const QByteArray& token) { return "[(" + token + ")]"; }

QString Query(const QHttpServerRequest& request, const char* key) {
    return request.query().queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
}

// A page is taken when its header reads as a JPEG and it ends with the end
// marker: a page cut off on its way is refused. The scan data is not decoded
// (the service's printing does that).
bool IsWholeJpeg(const QByteArray& jpeg) {
    if (!jpeg.startsWith("\xFF\xD8") || !jpeg.endsWith("\xFF\xD9"))
        return false;
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    return reader.size().isValid();
}

QByteArray Thumbnail(const QString& path) {
    QImage image(path);
    if (image.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.scaledToWidth(240, Qt::SmoothTransformation).save(&buffer, "JPEG", 80);
    return bytes;
}

// Answers leave at once: without it, an answer written in two parts waits
// for the client's delayed acknowledgement (40 ms a page).
class PromptServer : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        addPendingConnection(socket);
    }
};

} // namespace

PrintService::PrintService(ServiceOptions options, QObject* parent)
    : QObject(parent), mOptions(std::move(options)), mStore(mOptions.ordersFolder) {
    mServer.route("/pb/<arg>", [this](const QString& file, const QHttpServerRequest& request,
                                      QHttpServerResponder&& responder) {
        Serve(file, request, std::move(responder));
    });
    mServer.route("/bg/", [this](const QHttpServerRequest&, QHttpServerResponder&& responder) {
        ServeBackground(QString(), std::move(responder));
    });
    mServer.route("/bg/<arg>", [this](const QString& file, const QHttpServerRequest&,
                                      QHttpServerResponder&& responder) {
        ServeBackground(file, std::move(responder));
    });
}

quint16 PrintService::Listen(quint16 port) {
    auto* server = new PromptServer(this);
    if (!server->listen(QHostAddress::LocalHost, port)) {
        delete server;
        return mPort = 0;
    }
    mServer.bind(server);
    return mPort = server->serverPort();
}

QString PrintService::ServiceUrl() const {
    return QStringLiteral("http://127.0.0.1:%1/pb/").arg(mPort);
}

QString PrintService::BackgroundUrl() const {
    return QStringLiteral("http://127.0.0.1:%1/bg/").arg(mPort);
}

void PrintService::Serve(const QString& file, const QHttpServerRequest& request,
                         QHttpServerResponder&& responder) {
    const QString id = Query(request, "id");
    if (file != QLatin1String("upload.php"))
        mRequests << file + (request.url().hasQuery() ? u'?' + request.url().query() : QString());
    if (file == QLatin1String("upload.php"))
        return Upload(request, std::move(responder));
    if (file == QLatin1String("start.php"))
        return responder.write(ServicePages::Start(mOptions.codes, Query(request, "pages").toInt()),
                               kHtml);
    if (file == QLatin1String("verify.php")) {
        const QString code = Query(request, "i");
        const QByteArray token =
            mOptions.codes.contains(code) ? mStore.Create(code).toLatin1() : "INVALID";
        return responder.write("<html><body>" + Marker(token) + "</body></html>", kHtml);
    }
    if (file == QLatin1String("cover.php"))
        return responder.write(ServicePages::Cover(), kHtml);
    if ((file == QLatin1String("end.php") || file == QLatin1String("cancel.php")) &&
        mOptions.closeFails)
        return responder.write("the order cannot be closed now", kText,
                               Status::InternalServerError);
    if (file == QLatin1String("end.php") && mStore.Exists(id)) {
        mStore.End(id, Query(request, "pages").toInt(), Query(request, "cover"));
        return responder.write("ended", kText);
    }
    if (file == QLatin1String("cancel.php") && mStore.Exists(id)) {
        mStore.Cancel(id);
        return responder.write("cancelled", kText);
    }
    if (file == QLatin1String("viewThumb.php") && mStore.Exists(id)) {
        const QByteArray thumb = Thumbnail(mStore.PagePath(id, Query(request, "page").toInt()));
        if (!thumb.isEmpty())
            return responder.write(thumb, "image/jpeg");
    }
    if (file == QLatin1String("purchase.php") && mStore.Exists(id))
        return responder.write(ServicePages::Purchase(id, int(mStore.Read(id).received.size())),
                               kHtml);
    if (file == QLatin1String("paid.php") && mStore.Exists(id))
        return responder.write(ServicePages::Paid(id), kHtml);
    if (file == QLatin1String("status.php")) {
        QList<OrderStore::Order> known;
        QStringList unknown;
        QStringList ids = Query(request, "ids").split(u',', Qt::SkipEmptyParts);
        ids.removeDuplicates();
        for (const QString& each : ids) {
            if (mStore.Exists(each))
                known << mStore.Read(each);
            else
                unknown << each;
        }
        return responder.write(ServicePages::Status(known, unknown), kHtml);
    }
    if (file == QLatin1String("resume.php"))
        return responder.write(ServicePages::Resume(), kHtml);
    if (file == QLatin1String("orders.php")) {
        QList<OrderStore::Order> orders;
        for (const QString& each : mStore.Ids())
            orders << mStore.Read(each);
        return responder.write(ServicePages::Orders(orders), kHtml);
    }
    if (file == QLatin1String("checkUpdate.php"))
        return responder.write(mOptions.newerVersionUrl.isEmpty()
                                   ? QByteArray("no newer version")
                                   : Marker(mOptions.newerVersionUrl.toUtf8()),
                               kText);
    responder.write("not found", kText, Status::NotFound);
}

bool PrintService::FaultHits(int page) {
    if (mOptions.fault == ServiceOptions::Fault::None)
        return false;
    if (mOptions.faultPage != 0 && mOptions.faultPage != page)
        return false;
    if (mOptions.faultTimes >= 0 && mFaultsPlayed >= mOptions.faultTimes)
        return false;
    ++mFaultsPlayed;
    return true;
}

void PrintService::Upload(const QHttpServerRequest& request, QHttpServerResponder&& responder) {
    ++mUploads;
    QString error;
    const auto form = ParseUploadForm(request.body(), request.value("Content-Type"), &error);
    const QByteArray jpeg =
        form ? QByteArray::fromBase64(form->base64, QByteArray::AbortOnBase64DecodingErrors)
             : QByteArray();
    if (form && !mStore.Exists(form->id))
        error = QStringLiteral("unknown order");
    else if (form && mStore.Read(form->id).state != QLatin1String("open"))
        error = QStringLiteral("the order is closed");
    else if (form && !IsWholeJpeg(jpeg))
        error = QStringLiteral("the page is not a JPEG");
    if (!error.isEmpty()) {
        std::fprintf(stderr, "upload refused: %s\n", qPrintable(error));
        return responder.write(Marker("REFUSED") + " " + error.toUtf8(), kText, Status::BadRequest);
    }
    mRequests << QStringLiteral("upload.php page=%1").arg(form->page);
    mStore.StorePage(form->id, form->page, jpeg);
    QByteArray digest = QCryptographicHash::hash(form->base64, QCryptographicHash::Md5).toHex();
    if (!FaultHits(form->page))
        return responder.write(Marker(digest), kText);

    using Fault = ServiceOptions::Fault;
    switch (mOptions.fault) {
    case Fault::WrongDigest:
        return responder.write(
            Marker(QCryptographicHash::hash(digest, QCryptographicHash::Md5).toHex()), kText);
    case Fault::UppercaseDigest: return responder.write(Marker(digest.toUpper()), kText);
    case Fault::LateMarker: return responder.write(QByteArray(100, '.') + Marker(digest), kText);
    case Fault::Http500: return responder.write(Marker(digest), kText, Status::InternalServerError);
    case Fault::Drop: responder.socket()->abort(); return;
    case Fault::Slow: {
        auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
        QPointer<QTcpSocket> socket = held->socket();
        QTimer::singleShot(mOptions.slowMs, this, [held, socket, digest] {
            if (socket && socket->state() == QAbstractSocket::ConnectedState)
                held->write(Marker(digest), kText);
        });
        return;
    }
    case Fault::None: break;
    }
    responder.write(Marker(digest), kText);
}

void PrintService::ServeBackground(const QString& file, QHttpServerResponder&& responder) {
    const QDir folder(mOptions.backgroundsFolder);
    if (file.isEmpty() || file == QLatin1String("index.html")) {
        QStringList names;
        for (const QString& picture :
             folder.entryList({QStringLiteral("*_or.jpg")}, QDir::Files, QDir::Name))
            names << picture.chopped(7);
        return responder.write(ServicePages::Backgrounds(names), kHtml);
    }
    if (file.endsWith(QLatin1String(".uid")) &&
        folder.exists(file.chopped(4) + QStringLiteral("_or.jpg")))
        return responder.write(file.chopped(4).toUtf8(), kText);
    QFile picture(folder.filePath(file));
    if (file.endsWith(QLatin1String("_or.jpg")) && !file.contains(u'/') &&
        picture.open(QIODevice::ReadOnly))
        return responder.write(picture.readAll(), "image/jpeg");
    responder.write("not found", kText, Status::NotFound);
}
