#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The book's small text files: 8-bit text in the locale's encoding, lines
// ended by CR LF, always rewritten whole through a temporary file and a
// rename, so a failed write leaves the previous content in place.
namespace TextFile {

// The bytes of the lines, each followed by CR LF.
QByteArray LinesBytes(const QStringList& lines);

// Writes the lines, each followed by CR LF. Throws LumbraError when the file
// cannot be written.
void WriteLines(const QString& path, const QStringList& lines);

// The file's lines (ended by CR LF, LF or CR), or nothing when it cannot be read.
std::optional<QStringList> ReadLines(const QString& path);

// The first line, or the empty text when the file cannot be read or is empty.
QString ReadFirstLine(const QString& path);

} // namespace TextFile
