#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A web server on a free loopback port that answers every request the same
// hostile way, to test the limits of the program's requests. It reads and
// drops what the client sends and records each request line.
class HostileServer : public QTcpServer {
    Q_OBJECT
public:
    enum class Answer {
        Huge,     // 200 declaring 1 GB, sent as fast as the client takes it
        Endless,  // 200 without a length, bytes without end
        Drip,     // 200 without a length, one byte a second
        Redirect, // 307 to `target`
        Text,     // 200 with `text`
    };

    explicit HostileServer(Answer answer = Answer::Text, QByteArray text = {});
    ~HostileServer() override;

    void SetAnswer(Answer answer, QByteArray text = {});
    // Where Redirect sends the client.
    void SetTarget(const QString& url) { mTarget = url.toUtf8(); }
    QString Url(const QString& path = QStringLiteral("/pb/")) const;

    // "GET /pb/end.php?id=..." for each request, in order.
    const QStringList& Requests() const { return mRequests; }
    int Connections() const { return mConnections; }
    // Bytes of answers written to the sockets so far.
    qint64 BytesSent() const { return mSent; }

private:
    void Accept();
    void OnReadable(QTcpSocket* socket);
    void Respond(QTcpSocket* socket);
    void Feed(QTcpSocket* socket);

    Answer mAnswer;
    QByteArray mText;
    QByteArray mTarget;
    QStringList mRequests;
    int mConnections = 0;
    qint64 mSent = 0;
};
