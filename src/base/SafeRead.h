#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

// Reading files that may come from anywhere: only a regular file is opened
// (never a FIFO, device or folder, so nothing blocks or streams without end),
// and never more than a cap is read.

// Cap for the book's and the program's text files (state files, size files,
// settings, language files, template catalogue).
inline constexpr qint64 kMaxTextFileBytes = qint64(16) << 20;

// Opens `file` (its name set) for reading when it names a regular file of at
// most `maxBytes` bytes; false, and the file closed, otherwise.
bool OpenRegularFile(QFile& file, qint64 maxBytes);

// The whole content of a regular file of at most `maxBytes` bytes; nothing
// when the file is missing, not a regular file, larger, unreadable or when
// memory runs out.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes);
