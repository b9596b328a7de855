#include "model/BookStateFile.h"

#include "model/TextFile.h"

namespace BookStateFile {

QString Join(const QStringList& pageTexts) {
    QString line;
    for (const QString& text : pageTexts) {
        line += QLatin1Char('+');
        line += text;
    }
    return line;
}

QStringList Split(const QString& line) {
    QStringList pieces;
    qsizetype start = 0;
    QChar closer; // the character that ends the protected part we are in, or null
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (!closer.isNull()) {
            if (c == closer)
                closer = QChar();
        } else if (c == QLatin1Char('{')) {
            closer = QLatin1Char('}');
        } else if (c == QLatin1Char('(')) {
            closer = QLatin1Char(')');
        } else if (c == QLatin1Char('+')) {
            pieces << line.mid(start, i - start);
            start = i + 1;
        }
    }
    pieces << line.mid(start);
    return pieces;
}

QString ReadJoined(const QString& path) {
    QString joined;
    for (const QString& line : TextFile::ReadLines(path).value_or(QStringList())) {
        joined += line;
        if (joined.isEmpty())
            break;
    }
    return joined;
}

QByteArray Bytes(const QString& line) { return TextFile::LinesBytes({line}); }

void Write(const QString& path, const QString& line) { TextFile::WriteLines(path, {line}); }

} // namespace BookStateFile
