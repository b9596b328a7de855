#include "base/SmallDisk.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/statvfs.h>

namespace {
const QString kFiller = QStringLiteral(".filler");
}

SmallDisk::SmallDisk(int megabytes) {
    const QByteArray options = "size=" + QByteArray::number(megabytes) + "m";
    if (::mount("tmpfs", QFile::encodeName(mDir.path()).constData(), "tmpfs", 0,
                options.constData()) == 0)
        mMounted = true;
    else
        mWhy = QStringLiteral("cannot mount a small tmpfs here (needs root): %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

SmallDisk::~SmallDisk() {
    if (mMounted)
        ::umount2(QFile::encodeName(mDir.path()).constData(), MNT_DETACH);
}

qint64 SmallDisk::FreeBytes() const {
    struct statvfs stats {};
    if (::statvfs(QFile::encodeName(mDir.path()).constData(), &stats) != 0)
        return -1;
    return qint64(stats.f_bavail) * qint64(stats.f_frsize);
}

void SmallDisk::LeaveFree(qint64 bytes) {
    QFile filler(FilePath(kFiller));
    if (!filler.open(QIODevice::Append))
        return;
    const QByteArray block(4096, 'x');
    while (FreeBytes() - block.size() >= bytes && filler.write(block) == block.size())
        filler.flush();
}

void SmallDisk::FreeAll() { QFile::remove(FilePath(kFiller)); }
