#include "base/BookLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

QString LockPath(const QString& folder) {
    return QDir(folder).filePath(QLatin1String(BookLock::kFileName));
}

// "lumbra --fill (process 812)", or nothing when the file says no more.
QString HolderIn(int fd) {
    char text[512] = {};
    const ssize_t got = pread(fd, text, sizeof text - 1, 0);
    const QStringList lines = QString::fromUtf8(text, got > 0 ? int(got) : 0).split(u'\n');
    if (lines.size() < 2 || lines[0].toLongLong() <= 0 || lines[1].isEmpty())
        return {};
    return QCoreApplication::translate("BookLock", "%1 (process %2)").arg(lines[1], lines[0]);
}

} // namespace

BookLock::BookLock(BookLock&& other) noexcept : mFd(std::exchange(other.mFd, -1)) {}

BookLock& BookLock::operator=(BookLock&& other) noexcept {
    if (this != &other) {
        if (mFd >= 0)
            close(mFd);
        mFd = std::exchange(other.mFd, -1);
    }
    return *this;
}

BookLock::~BookLock() {
    if (mFd >= 0)
        close(mFd); // lets the lock go
}

Result<BookLock> BookLock::Take(const QString& folder, const QString& holder) {
    const QByteArray path = QFile::encodeName(LockPath(folder));
    const int fd = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return Failure{
            QCoreApplication::translate("BookLock", "The book's lock cannot be taken: %1")
                .arg(QString::fromLocal8Bit(std::strerror(errno))),
            QStringLiteral("open %1").arg(QFile::decodeName(path))};
    BookLock lock(fd);
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const QString other = HolderIn(fd);
        return Failure{
            other.isEmpty()
                ? QCoreApplication::translate("BookLock",
                                              "The book is being changed by another Lumbra.")
                : QCoreApplication::translate("BookLock", "The book is being changed by %1.")
                      .arg(other),
            QStringLiteral("locked: %1").arg(QFile::decodeName(path))};
    }
    const QByteArray text = QByteArray::number(qint64(getpid())) + '\n' + holder.toUtf8() + '\n';
    // The holder's name is a courtesy: the lock holds without it.
    [[maybe_unused]] const bool named =
        ftruncate(fd, 0) == 0 && pwrite(fd, text.constData(), size_t(text.size()), 0) > 0;
    return lock;
}

bool BookLock::IsOf(const QString& folder) const {
    struct stat held {};
    struct stat named {};
    const QByteArray path = QFile::encodeName(LockPath(folder));
    return mFd >= 0 && fstat(mFd, &held) == 0 && stat(path.constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}
