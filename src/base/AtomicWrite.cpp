#include "base/AtomicWrite.h"

#include "base/LumbraError.h"

#include <QCoreApplication>
#include <QDir>
#include <unistd.h>

AtomicFileWriter::AtomicFileWriter(const QString& path) : mFile(path) {
    if (!mFile.open(QIODevice::WriteOnly))
        Fail();
}

void AtomicFileWriter::Write(const char* data, qint64 size) {
    // A write cut short (a disk running full) sets no error: the rest is
    // written again, which fails with the system's reason.
    while (size > 0) {
        const qint64 written = mFile.write(data, size);
        if (written <= 0)
            Fail();
        data += written;
        size -= written;
    }
}

void AtomicFileWriter::Sync() {
    if (!mFile.flush() || ::fdatasync(mFile.handle()) != 0)
        Fail();
}

void AtomicFileWriter::Commit() {
    // commit() does not report a failed flush of buffered data: flush first.
    if (!mFile.flush() || !mFile.commit())
        Fail();
}

void AtomicFileWriter::Fail() {
    const QString reason = mFile.errorString();
    mFile.cancelWriting();
    throw LumbraError(QStringLiteral("Cannot write %1: %2").arg(mFile.fileName(), reason),
                      QCoreApplication::translate("AtomicWrite", "Cannot write %1: %2")
                          .arg(QDir::toNativeSeparators(mFile.fileName()), reason));
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    AtomicFileWriter writer(path);
    writer.Write(bytes);
    writer.Commit();
}
