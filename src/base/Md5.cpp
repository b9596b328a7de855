#include "base/Md5.h"

#include <QCryptographicHash>

QString Md5::Hash(const QString& text) const {
    QByteArray message;
    message.reserve(text.size());
    for (QChar c : text)
        message.append(static_cast<char>(c.unicode() & 0xFF));
    return QString::fromLatin1(QCryptographicHash::hash(message, QCryptographicHash::Md5).toHex());
}
