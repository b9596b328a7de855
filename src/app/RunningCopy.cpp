#include "app/RunningCopy.h"

#include "app/AppLog.h"
#include "base/UserFolders.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <signal.h>

namespace {

const QByteArray kActivate = "activate\n";
const QByteArray kOpenBook = "open-book\n";

QString KeyHash(const QString& key) {
    return QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// Whether a live process holds the lock (without taking it, which would
// race with a copy that is starting).
bool LockHeld(const QString& key) {
    qint64 pid = 0;
    QString host, application;
    if (!QLockFile(RunningCopy::LockPath(key)).getLockInfo(&pid, &host, &application) || pid <= 0)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// One request to the running copy: its one-line answer, or nothing. A copy
// that is starting may not listen yet: connecting is tried until the time is up.
std::optional<QByteArray> Ask(const QString& key, const QByteArray& request, int timeoutMs) {
    if (!LockHeld(key))
        return std::nullopt;
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(RunningCopy::ServerName(key));
        if (socket.waitForConnected(int(std::min<qint64>(500, deadline.remainingTime()))))
            break;
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(100);
    }
    socket.write(request);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return std::nullopt;
    QByteArray answer;
    while (!answer.endsWith('\n')) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return std::nullopt;
        answer += socket.readAll();
        if (answer.size() > 64 * 1024)
            return std::nullopt;
    }
    answer.chop(1);
    return answer;
}

} // namespace

RunningCopy::RunningCopy(const QString& key) : mKey(key) {}

RunningCopy::~RunningCopy() {
    if (mServer)
        mServer->close();
}

QString RunningCopy::LockPath(const QString& key) {
    return QDir(QDir::tempPath()).filePath(QStringLiteral("lumbra-%1.lock").arg(KeyHash(key)));
}

QString RunningCopy::ServerName(const QString& key) {
    return QStringLiteral("lumbra-%1").arg(KeyHash(key));
}

bool RunningCopy::Claim() {
    mLock = std::make_unique<QLockFile>(LockPath(mKey));
    mLock->setStaleLockTime(0); // only a dead owner's lock is stale
    if (mLock->tryLock(0))
        return true;
    mLock.reset();
    return false;
}

void RunningCopy::Serve(std::function<void()> activate, std::function<QString()> openBookFolder) {
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(ServerName(mKey)); // a socket file left by a crashed copy
    if (!mServer->listen(ServerName(mKey))) {
        qCWarning(lcApp) << "The running-copy socket cannot listen:" << mServer->errorString();
        return;
    }
    connect(mServer, &QLocalServer::newConnection, this, [this, activate, openBookFolder] {
        while (QLocalSocket* socket = mServer->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [socket, activate, openBookFolder] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > 256)
                        socket->abort();
                    return;
                }
                const QByteArray request = socket->readLine();
                if (request == kActivate) {
                    if (activate)
                        activate();
                    socket->write("ok\n");
                } else if (request == kOpenBook) {
                    const QString folder = openBookFolder ? openBookFolder() : QString();
                    socket->write(QDir::cleanPath(folder).toUtf8() + '\n');
                } else {
                    socket->abort();
                    return;
                }
                socket->flush();
            });
        }
    });
}

bool RunningCopy::AskToActivate(const QString& key, int timeoutMs) {
    const auto answer = Ask(key, kActivate, timeoutMs);
    return answer && *answer == "ok";
}

std::optional<QString> RunningCopy::AskOpenBook(const QString& key, int timeoutMs) {
    const auto answer = Ask(key, kOpenBook, timeoutMs);
    if (!answer)
        return std::nullopt;
    return QString::fromUtf8(*answer);
}

QString RunningCopyKey() { return UserFolders::PlatformLayout().application; }

bool BookOpenInRunningWindow(const QString& bookFolder) {
    const auto open = RunningCopy::AskOpenBook(RunningCopyKey(), 10000);
    if (!open || open->isEmpty())
        return false;
    auto canonical = [](const QString& path) {
        const QString real = QFileInfo(path).canonicalFilePath();
        return real.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : real;
    };
    return canonical(*open) == canonical(bookFolder);
}
