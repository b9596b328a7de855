#pragma once

#include <QChar>
#include <QStringView>

// The RTF control words the reader acts on. Everything else is skipped.
enum class RtfKeyword {
    Unknown,
    // destinations
    FontTable,
    ColorTable,
    SkippedDestination,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    // font and colour tables
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // characters
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Font,
    FontSize,
    Color,
    Unicode,
    UnicodeSkip,
    Binary,
    // paragraphs
    ParagraphDefault,
    Paragraph,
    Line,
    Tab,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    // single characters written as words
    Character,
};

struct RtfKeywordInfo {
    RtfKeyword keyword = RtfKeyword::Unknown;
    QChar character; // for RtfKeyword::Character
};

RtfKeywordInfo LookUpRtfKeyword(QStringView word);
