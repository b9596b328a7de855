#pragma once

// For fuzz targets whose parser reads a file: one temporary folder per
// process, and the input written to a file in it.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

inline const QTemporaryDir& FuzzFolder() {
    static const QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    return dir;
}

// Writes the bytes to `path`, replacing what was there.
inline void WriteFuzzBytes(const QString& path, const uint8_t* data, size_t size) {
    QFile file(path);
    const auto length = qint64(size);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), length) != length)
        std::abort();
}

// Writes the input to `name` in the fuzz folder; returns its path.
inline QString WriteFuzzFile(const QString& name, const uint8_t* data, size_t size) {
    const QString path = FuzzFolder().filePath(name);
    WriteFuzzBytes(path, data, size);
    return path;
}
