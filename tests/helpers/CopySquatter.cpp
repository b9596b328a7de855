// Takes the running-copy lock and socket at the given places before the
// program does, as another user of the machine could, and answers every
// question on the sockets: "ok" to "activate", ANSWER as the open book.
// Usage: lumbra_copy_squatter ANSWER LOCK SOCKET [LOCK SOCKET ...]
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4 || arguments.size() % 2 != 0)
        return 2;
    const QByteArray answer = arguments[1].toUtf8() + '\n';
    std::vector<std::unique_ptr<QLockFile>> locks;
    std::vector<std::unique_ptr<QLocalServer>> servers;
    for (qsizetype i = 2; i + 1 < arguments.size(); i += 2) {
        QDir().mkpath(QFileInfo(arguments[i]).path());
        auto lock = std::make_unique<QLockFile>(arguments[i]);
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            return 3;
        auto server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::WorldAccessOption);
        QLocalServer::removeServer(arguments[i + 1]);
        if (!server->listen(arguments[i + 1]))
            return 4;
        QLocalServer* listening = server.get();
        QObject::connect(listening, &QLocalServer::newConnection, [listening, answer] {
            while (QLocalSocket* socket = listening->nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, answer] {
                    if (!socket->canReadLine())
                        return;
                    socket->write(socket->readLine() == "activate\n" ? QByteArray("ok\n") : answer);
                    socket->flush();
                });
                QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                 &QObject::deleteLater);
            }
        });
        locks.push_back(std::move(lock));
        servers.push_back(std::move(server));
    }
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
