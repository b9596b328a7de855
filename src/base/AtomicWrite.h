#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// Files written whole or not at all. The bytes go to a temporary file next
// to the target, which replaces the target only when every write, the flush
// and the commit succeeded; otherwise the target stays as it was and
// LumbraError names the file and the system's reason (a full disk, say).

// Writes `bytes` as the whole content of `path`. Throws LumbraError.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The same for content that comes in pieces (a copy by chunks). Nothing
// reaches `path` unless Commit() returns; a writer dropped before that
// leaves no file behind.
class AtomicFileWriter {
public:
    // Throws LumbraError when the temporary file cannot be made.
    explicit AtomicFileWriter(const QString& path);
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Throws LumbraError unless every byte was taken.
    void Write(const char* data, qint64 size);
    void Write(const QByteArray& bytes) { Write(bytes.constData(), bytes.size()); }
    // Puts what was written so far on the disk (the temporary file), so that
    // Commit has little left to wait for. Throws LumbraError.
    void Sync();
    // Flushes and puts the file in place. Throws LumbraError.
    void Commit();

private:
    [[noreturn]] void Fail();

    QSaveFile mFile;
};
