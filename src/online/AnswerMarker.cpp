#include "online/AnswerMarker.h"

std::optional<QString> ReadAnswerMarker(QByteArrayView answer, qsizetype limit) {
    const QString text =
        QString::fromUtf8(answer.data(), answer.size()).left(limit < 0 ? answer.size() : limit);
    const qsizetype open = text.indexOf(QStringLiteral("[("));
    const qsizetype close = text.indexOf(QStringLiteral(")]"));
    if (open < 0 || close < open + 2)
        return std::nullopt;
    return text.mid(open + 2, close - open - 2);
}
