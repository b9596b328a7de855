#include "model/TextFile.h"

#include "base/AtomicWrite.h"
#include "base/LumbraError.h"
#include "base/SafeRead.h"

#include <QRegularExpression>

namespace TextFile {

QByteArray LinesBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLocal8Bit();
        bytes += "\r\n";
    }
    return bytes;
}

void WriteLines(const QString& path, const QStringList& lines) {
    WriteFileAtomically(path, LinesBytes(lines));
}

std::optional<QStringList> ReadLines(const QString& path) {
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxTextFileBytes);
    if (!bytes)
        return std::nullopt;
    const QString text = QString::fromLocal8Bit(*bytes);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the end of the last line, not a line of its own
    return lines;
}

QString ReadFirstLine(const QString& path) {
    const std::optional<QStringList> lines = ReadLines(path);
    return lines && !lines->isEmpty() ? lines->first() : QString();
}

} // namespace TextFile
