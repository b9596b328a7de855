#include "base/Codec.h"

#include "base/LumbraError.h"

namespace {

constexpr char kPadChar = '=';

bool IsAlphabet(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           c == u'+' || c == u'/';
}

// One byte per character: its Latin-1 code.
QByteArray SingleBytes(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            throw LumbraError(QStringLiteral("Character U+%1 does not fit in one byte")
                                  .arg(c.unicode(), 4, 16, QLatin1Char('0')));
        bytes.append(static_cast<char>(c.unicode()));
    }
    return bytes;
}

// The alphabet characters and pads of the text, in order, cut to whole
// groups of four.
QByteArray WholeGroups(const QString& base64) {
    QByteArray groups = SingleBytes(base64);
    groups.removeIf([](char c) { return !IsAlphabet(uchar(c)) && c != kPadChar; });
    groups.truncate(groups.size() - groups.size() % 4);
    return groups;
}

} // namespace

namespace Codec {

QString EncodeBytes(const QByteArray& bytes) { return QString::fromLatin1(bytes.toBase64()); }

QString EncodeString(const QString& text) { return EncodeBytes(SingleBytes(text)); }

QString DecodeString(const QString& base64) {
    if (base64.size() < 4)
        return {};
    const QByteArray groups = WholeGroups(base64);
    // A padded group ends a run: what follows it starts fresh, four
    // characters at a time, as a concatenation of encoded texts does.
    QByteArray bytes;
    bytes.reserve(groups.size() / 4 * 3);
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < groups.size(); at += 4) {
        const bool padded = groups.mid(at, 4).contains(kPadChar);
        const bool last = at + 4 == groups.size();
        if (padded || last) {
            bytes += QByteArray::fromBase64(groups.mid(runStart, at + 4 - runStart));
            runStart = at + 4;
        }
    }
    return QString::fromLatin1(bytes);
}

} // namespace Codec
