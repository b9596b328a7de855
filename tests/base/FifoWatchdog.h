#pragma once

#include <QFile>
#include <QStringList>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

// Makes a FIFO (named pipe) at `path`; true on success.
inline bool MakeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// Runs `operation` on a thread of its own and waits a generous minute for it.
// False when it does not end in that time: then the FIFOs are opened for
// writing and closed again, as often as needed, which lets a reader blocked
// on one of them go on, so the test fails instead of hanging.
inline bool EndsWithoutBlocking(const std::function<void()>& operation, const QStringList& fifos) {
    std::future<void> done = std::async(std::launch::async, operation);
    if (done.wait_for(std::chrono::minutes(1)) == std::future_status::ready) {
        done.get();
        return true;
    }
    do {
        for (const QString& fifo : fifos) {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
    } while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready);
    return false;
}
