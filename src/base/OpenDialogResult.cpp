#include "base/OpenDialogResult.h"

QStringList ParseOpenDialogResult(const QString& buffer, bool cancelled) {
    if (cancelled)
        return {QString()};
    const QChar nul(u'\0');
    qsizetype end = buffer.indexOf(nul);
    const QString first = end < 0 ? buffer : buffer.left(end);
    QString folder = first;
    if (!folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('/');

    QStringList result;
    while (end >= 0) {
        const qsizetype next = buffer.indexOf(nul, end + 1);
        if (next < 0)
            break; // a piece is taken only when a NUL ends it
        const QString name = buffer.mid(end + 1, next - end - 1).trimmed();
        if (!name.isEmpty())
            result.append(folder + name);
        end = next;
    }
    if (result.isEmpty())
        result.append(first);
    return result;
}
