#pragma once

#include <QString>
#include <QStringView>

#include <memory>

class QTextDocument;

// What text gets that names no font or size of its own.
struct RtfDefaults {
    QString family;          // empty: the document's default family
    double pointSize = 12.0; // the size RTF assumes without "\fs"
};

// How much of a long text to read: the paragraph in which `chars`
// characters of text are reached is the last one, read whole or only up to
// there (it still takes the alignment of its end).
struct RtfReadLimit {
    qsizetype chars = -1; // below 0: no limit
    bool wholeParagraph = false;
};

// Reads RTF, as our writer and common word processors produce it, into a
// QTextDocument: fonts, sizes, bold, italic, underline, colours, alignment,
// paragraphs, line breaks and tabs. Text that is not RTF is taken as plain
// text. Malformed input never throws: what can be read is kept.
class RtfReader {
public:
    // Groups nested deeper than this are skipped with their content.
    static constexpr int kMaxDepth = 100;

    explicit RtfReader(RtfDefaults defaults = {});

    // Replaces the document's content and default font.
    void Read(QStringView rtf, QTextDocument& document) const;
    std::unique_ptr<QTextDocument> Read(QStringView rtf) const;
    // Reads as far as `limit`; returns whether it was reached (text may have
    // been left out).
    bool Read(QStringView rtf, QTextDocument& document, RtfReadLimit limit) const;

    // True when the text starts (after blanks) with an RTF header.
    static bool IsRtf(QStringView text);

private:
    RtfDefaults mDefaults;
};
