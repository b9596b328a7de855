#pragma once

#include <QString>

class QTextDocument;

// Writes a QTextDocument as RTF of the subset RtfReader reads: fonts, sizes,
// bold, italic, underline, colours, alignment, paragraphs, line breaks, tabs.
// The result is plain ASCII; other characters are written as "\uN?". ">" and
// "~" are written as "\'3e" and "\'7e", so the Base64 form of the text never
// holds a "+" (which separates page records in the book file).
class RtfWriter {
public:
    static QString Write(const QTextDocument& document);
};
