#include "render/rtf/RtfKeywords.h"

#include <QLatin1StringView>

namespace {

struct Entry {
    const char* word;
    RtfKeyword keyword;
    char16_t character = 0;
};

using K = RtfKeyword;

constexpr Entry cEntries[] = {
    {"fonttbl", K::FontTable},
    {"colortbl", K::ColorTable},
    // destinations whose text is not part of the document
    {"stylesheet", K::SkippedDestination},
    {"info", K::SkippedDestination},
    {"pict", K::SkippedDestination},
    {"object", K::SkippedDestination},
    {"header", K::SkippedDestination},
    {"headerl", K::SkippedDestination},
    {"headerr", K::SkippedDestination},
    {"headerf", K::SkippedDestination},
    {"footer", K::SkippedDestination},
    {"footerl", K::SkippedDestination},
    {"footerr", K::SkippedDestination},
    {"footerf", K::SkippedDestination},
    {"footnote", K::SkippedDestination},
    {"annotation", K::SkippedDestination},
    {"fldinst", K::SkippedDestination},
    {"listtable", K::SkippedDestination},
    {"listoverridetable", K::SkippedDestination},
    {"revtbl", K::SkippedDestination},
    {"filetbl", K::SkippedDestination},
    {"xe", K::SkippedDestination},
    {"tc", K::SkippedDestination},
    {"txe", K::SkippedDestination},
    {"rxe", K::SkippedDestination},
    {"author", K::SkippedDestination},
    {"operator", K::SkippedDestination},
    {"title", K::SkippedDestination},
    {"subject", K::SkippedDestination},
    {"keywords", K::SkippedDestination},
    {"comment", K::SkippedDestination},
    {"doccomm", K::SkippedDestination},
    {"company", K::SkippedDestination},
    {"creatim", K::SkippedDestination},
    {"revtim", K::SkippedDestination},
    {"printim", K::SkippedDestination},
    {"buptim", K::SkippedDestination},
    {"ansi", K::Ansi},
    {"mac", K::Mac},
    {"pc", K::Pc},
    {"pca", K::Pca},
    {"ansicpg", K::AnsiCodePage},
    {"deff", K::DefaultFont},
    {"fcharset", K::FontCharset},
    {"cpg", K::FontCodePage},
    {"red", K::Red},
    {"green", K::Green},
    {"blue", K::Blue},
    {"plain", K::Plain},
    {"b", K::Bold},
    {"i", K::Italic},
    {"ul", K::Underline},
    {"uld", K::Underline},
    {"uldb", K::Underline},
    {"uldash", K::Underline},
    {"ulth", K::Underline},
    {"ulw", K::Underline},
    {"ulwave", K::Underline},
    {"ulnone", K::UnderlineNone},
    {"f", K::Font},
    {"fs", K::FontSize},
    {"cf", K::Color},
    {"u", K::Unicode},
    {"uc", K::UnicodeSkip},
    {"bin", K::Binary},
    {"pard", K::ParagraphDefault},
    {"par", K::Paragraph},
    {"page", K::Paragraph},
    {"sect", K::Paragraph},
    {"row", K::Paragraph},
    {"line", K::Line},
    {"tab", K::Tab},
    {"cell", K::Tab},
    {"ql", K::AlignLeft},
    {"qc", K::AlignCenter},
    {"qr", K::AlignRight},
    {"qj", K::AlignJustify},
    {"emdash", K::Character, u'\u2014'},
    {"endash", K::Character, u'\u2013'},
    {"bullet", K::Character, u'\u2022'},
    {"lquote", K::Character, u'\u2018'},
    {"rquote", K::Character, u'\u2019'},
    {"ldblquote", K::Character, u'\u201C'},
    {"rdblquote", K::Character, u'\u201D'},
    {"emspace", K::Character, u'\u2003'},
    {"enspace", K::Character, u'\u2002'},
    {"qmspace", K::Character, u'\u2005'},
};

} // namespace

RtfKeywordInfo LookUpRtfKeyword(QStringView word) {
    for (const Entry& entry : cEntries) {
        if (word == QLatin1StringView(entry.word))
            return {entry.keyword, QChar(entry.character)};
    }
    return {};
}
