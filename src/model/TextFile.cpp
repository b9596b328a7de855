#include "model/TextFile.h"

#include "base/LumbraError.h"
#include "base/SafeRead.h"

#include <QRegularExpression>
#include <QSaveFile>

namespace TextFile {

void WriteLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLocal8Bit();
        bytes += "\r\n";
    }
    QSaveFile file(path);
    // commit() does not report a failing flush of buffered data, so flush first.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit())
        throw LumbraError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
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
