#include "app/RunningCopy.h"

#include "app/AppLog.h"
#include "base/UserFolders.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kActivate = "activate\n";
const QByteArray kOpenBook = "open-book\n";

QString KeyHash(const QString& key) {
    return QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// True when something is at `path` that this user did not make as a file of
// the given type (S_IFREG, S_IFSOCK): it is not to be trusted.
bool IsForeign(const QString& path, mode_t type) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false; // nothing there
    return (info.st_mode & S_IFMT) != type || info.st_uid != ::getuid();
}

// `path` as a private folder: made with mode 0700 when missing; one of this
// user's that others could enter is narrowed to 0700.
bool MakePrivateFolder(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid()) {
        qCWarning(lcApp) << "Not using" << path << "for the running-copy lock: another user's";
        return false;
    }
    if ((info.st_mode & 077) != 0 && ::chmod(name.constData(), 0700) != 0)
        return false;
    return IsPrivateFolder(path);
}

// Whether a live process holds the lock (without taking it, which would
// race with a copy that is starting). Another user's lock is not.
bool LockHeld(const QString& key) {
    const QString path = RunningCopy::LockPath(key);
    if (path.isEmpty() || IsForeign(path, S_IFREG))
        return false;
    qint64 pid = 0;
    QString host, application;
    if (!QLockFile(path).getLockInfo(&pid, &host, &application) || pid <= 0)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// One request to the running copy: its one-line answer, or nothing. A copy
// that is starting may not listen yet: connecting is tried until the time is up.
std::optional<QByteArray> Ask(const QString& key, const QByteArray& request, int timeoutMs) {
    const QString server = RunningCopy::ServerName(key);
    if (!LockHeld(key) || IsForeign(server, S_IFSOCK))
        return std::nullopt;
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(server);
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

QString RunningCopy::FileName(const QString& key) {
    return QStringLiteral("lumbra-%1").arg(KeyHash(key));
}

QString RunningCopy::LockPath(const QString& key) {
    const QString folder = RunningCopyFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(FileName(key) + ".lock");
}

QString RunningCopy::ServerName(const QString& key) {
    const QString folder = RunningCopyFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(FileName(key));
}

// Without a private folder the program runs unguarded rather than not at all.
bool RunningCopy::Claim() {
    const QString path = LockPath(mKey);
    if (path.isEmpty()) {
        qCWarning(lcApp) << "No private folder: a second copy of the program is not kept away";
        return true;
    }
    if (IsForeign(path, S_IFREG) && !QFile::remove(path)) // not ours: not trusted
        return true;
    mLock = std::make_unique<QLockFile>(path);
    mLock->setStaleLockTime(0); // only a dead owner's lock is stale
    if (mLock->tryLock(0))
        return true;
    mLock.reset();
    return false;
}

void RunningCopy::Serve(std::function<void()> activate, std::function<QString()> openBookFolder) {
    const QString name = ServerName(mKey);
    if (name.isEmpty() || !mLock)
        return; // unguarded: nobody would find the socket
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name); // left by a crashed copy, or not ours
    if (!mServer->listen(name)) {
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

bool IsPrivateFolder(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

QString RunningCopyFolder(const QString& fallback) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && IsPrivateFolder(runtime))
        return QDir::cleanPath(runtime);
    const QString temp =
        QDir(QDir::tempPath()).filePath(QStringLiteral("lumbra-%1").arg(::getuid()));
    if (MakePrivateFolder(temp))
        return temp;
    if (!fallback.isEmpty() && QDir().mkpath(fallback)) {
        const QString run = QDir(fallback).filePath(QStringLiteral("run"));
        if (MakePrivateFolder(run))
            return run;
    }
    return {};
}

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
