#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// One "key=value" line of the language and settings files: split at the
// first "=", nothing trimmed. No "=" means no entry.
struct KeyValueLine {
    QString key;
    QString value;
};

std::optional<KeyValueLine> SplitKeyValueLine(const QString& line);

// The lines of a text, ended by CR LF, LF or a lone CR; a last line without
// an end counts too.
QStringList SplitTextLines(const QString& text);
