#include "base/KeyValueLine.h"

std::optional<KeyValueLine> SplitKeyValueLine(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return KeyValueLine{line.left(eq), line.mid(eq + 1)};
}

QStringList SplitTextLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}
