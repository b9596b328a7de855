#include "base/SafeRead.h"

#include "base/BaseLog.h"

#include <algorithm>
#include <new>

#ifdef Q_OS_WIN
#include <QFileInfo>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Step by which the buffer grows for a file that grows while it is read.
constexpr qint64 kGrowth = 1 << 20;

// Qt's resources are built into the program: no FIFO or device can hide there.
bool IsResource(const QString& path) { return path.startsWith(u':'); }

bool Refuse(const QString& path, const char* reason) {
    qCWarning(lcBase) << "Not reading" << path << reason;
    return false;
}

} // namespace

bool OpenRegularFile(QFile& file, qint64 maxBytes) {
    const QString path = file.fileName();
#ifdef Q_OS_WIN
    if (!IsResource(path) && !QFileInfo(path).isFile())
        return false;
    if (!file.open(QIODevice::ReadOnly))
        return false;
#else
    if (IsResource(path)) {
        if (!file.open(QIODevice::ReadOnly))
            return false;
    } else {
        // O_NONBLOCK: opening a FIFO must not wait for a writer.
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        struct stat status {};
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            ::close(fd);
            return Refuse(path, "(not a regular file)");
        }
        if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return false;
        }
    }
#endif
    if (file.size() > maxBytes) {
        file.close();
        return Refuse(path, "(too large)");
    }
    return true;
}

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!OpenRegularFile(file, maxBytes))
        return std::nullopt;
    try {
        // One byte more than the size tells a file that grew since it was opened.
        QByteArray bytes(file.size() + 1, Qt::Uninitialized);
        qint64 got = 0;
        for (;;) {
            if (got == bytes.size()) {
                if (got > maxBytes)
                    break;
                bytes.resize(std::min(maxBytes + 1, got + kGrowth));
            }
            const qint64 read = file.read(bytes.data() + got, bytes.size() - got);
            if (read < 0)
                return std::nullopt;
            if (read == 0)
                break;
            got += read;
        }
        if (got > maxBytes) {
            Refuse(path, "(too large)");
            return std::nullopt;
        }
        bytes.truncate(got);
        return bytes;
    } catch (const std::bad_alloc&) {
        LogCaughtException(lcBase(), "Reading a file; it counts as unreadable");
        return std::nullopt;
    }
}
