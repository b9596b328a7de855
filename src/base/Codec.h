#pragma once

#include <QByteArray>
#include <QString>

// Base64 for page texts and uploaded page pictures. A text stands for one
// byte per character (its Latin-1 code); the output is always one line.
namespace Codec {

QString EncodeBytes(const QByteArray& bytes);

// Throws LumbraError when a character does not fit in one byte.
QString EncodeString(const QString& text);

// Skips characters outside the alphabet, drops a trailing partial group and
// gives the empty text for input shorter than 4 characters. Throws
// LumbraError when a character does not fit in one byte.
QString DecodeString(const QString& base64);

} // namespace Codec
