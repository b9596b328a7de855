#include "HostileServer.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr qint64 kHugeBytes = qint64(1) << 30;
constexpr qint64 kChunk = 64 * 1024;
constexpr int kDripMs = 1000;

// Socket properties: the head read so far, whether it was answered, bytes
// of the answer's body written.
const char* const kHead = "head";
const char* const kAnswered = "answered";
const char* const kBodySent = "bodySent";
const char* const kBodySeen = "bodySeen"; // of the request

} // namespace

HostileServer::HostileServer(Answer answer, QByteArray text)
    : mAnswer(answer), mText(std::move(text)) {
    connect(this, &QTcpServer::newConnection, this, &HostileServer::Accept);
    listen(QHostAddress::LocalHost, 0);
}

HostileServer::~HostileServer() {
    for (QTcpSocket* socket : findChildren<QTcpSocket*>())
        socket->abort();
}

void HostileServer::SetAnswer(Answer answer, QByteArray text) {
    mAnswer = answer;
    mText = std::move(text);
}

QString HostileServer::Url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

void HostileServer::Accept() {
    while (QTcpSocket* socket = nextPendingConnection()) {
        ++mConnections;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

// The answer starts once the whole request is in: its head up to the blank
// line and as many bytes as its Content-Length names (read and dropped).
void HostileServer::OnReadable(QTcpSocket* socket) {
    const QByteArray data = socket->readAll();
    if (socket->property(kAnswered).toBool())
        return;
    QByteArray head = socket->property(kHead).toByteArray();
    qint64 body = socket->property(kBodySeen).toLongLong();
    const qsizetype end = head.indexOf("\r\n\r\n");
    if (end < 0) {
        head += data;
        const qsizetype blank = head.indexOf("\r\n\r\n");
        if (blank >= 0) {
            body = head.size() - blank - 4;
            head.truncate(blank + 4);
        } else if (head.size() > 65536) {
            socket->abort();
            return;
        }
    } else {
        body += data.size();
    }
    socket->setProperty(kHead, head);
    socket->setProperty(kBodySeen, body);
    if (!head.endsWith("\r\n\r\n"))
        return;
    qint64 length = 0;
    for (const QByteArray& line : head.split('\n'))
        if (line.toLower().startsWith("content-length:"))
            length = line.mid(15).trimmed().toLongLong();
    if (body < length)
        return;
    mRequests << QString::fromLatin1(head.left(head.indexOf("\r\n"))).section(u' ', 0, 1);
    socket->setProperty(kAnswered, true);
    Respond(socket);
}

void HostileServer::Respond(QTcpSocket* socket) {
    QByteArray head;
    switch (mAnswer) {
    case Answer::Huge:
        head = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
               QByteArray::number(kHugeBytes) + "\r\n\r\n";
        break;
    case Answer::Endless:
    case Answer::Drip:
        head = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n";
        break;
    case Answer::Redirect:
        head = "HTTP/1.1 307 Temporary Redirect\r\nLocation: " + mTarget +
               "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
        break;
    case Answer::Text:
        head = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n"
               "Content-Length: " +
               QByteArray::number(mText.size()) + "\r\n\r\n" + mText;
        break;
    }
    mSent += socket->write(head);
    if (mAnswer == Answer::Redirect || mAnswer == Answer::Text)
        socket->disconnectFromHost(); // one request per connection
    if (mAnswer == Answer::Huge || mAnswer == Answer::Endless) {
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { Feed(socket); });
        Feed(socket);
    } else if (mAnswer == Answer::Drip) {
        auto* drip = new QTimer(socket);
        connect(drip, &QTimer::timeout, socket, [this, socket] { mSent += socket->write("."); });
        drip->start(kDripMs);
    }
}

// Keeps about a megabyte queued while the client reads.
void HostileServer::Feed(QTcpSocket* socket) {
    static const QByteArray chunk(kChunk, 'x');
    qint64 sent = socket->property(kBodySent).toLongLong();
    while (socket->state() == QAbstractSocket::ConnectedState &&
           socket->bytesToWrite() < 16 * kChunk &&
           (mAnswer == Answer::Endless || sent < kHugeBytes)) {
        const qint64 size = mAnswer == Answer::Huge ? std::min(kChunk, kHugeBytes - sent) : kChunk;
        const qint64 written = socket->write(chunk.constData(), size);
        if (written <= 0)
            break;
        sent += written;
        mSent += written;
    }
    socket->setProperty(kBodySent, sent);
}
