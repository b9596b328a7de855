#include "base/HiddenCharacters.h"

#include <QChar>
#include <algorithm>
#include <iterator>

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Default_Ignorable_Code_Point and Bidi_Control of the Unicode character
// database, with the line and paragraph separators; sorted.
constexpr Range kHidden[] = {
    {0x00AD, 0x00AD},   // soft hyphen
    {0x034F, 0x034F},   // combining grapheme joiner
    {0x061C, 0x061C},   // Arabic letter mark
    {0x115F, 0x1160},   // Hangul fillers
    {0x17B4, 0x17B5},   // Khmer inherent vowels
    {0x180B, 0x180F},   // Mongolian selectors and vowel separator
    {0x200B, 0x200F},   // zero width space, joiners, left-to-right and right-to-left marks
    {0x2028, 0x202E},   // line and paragraph separators, embeddings and overrides
    {0x2060, 0x206F},   // word joiner, invisible operators, isolates, deprecated controls
    {0x3164, 0x3164},   // Hangul filler
    {0xFE00, 0xFE0F},   // variation selectors
    {0xFEFF, 0xFEFF},   // zero width no-break space
    {0xFFA0, 0xFFA0},   // halfwidth Hangul filler
    {0xFFF0, 0xFFF8},   // unassigned, default ignorable
    {0x1BCA0, 0x1BCA3}, // shorthand format controls
    {0x1D173, 0x1D17A}, // musical symbol format controls
    {0xE0000, 0xE0FFF}, // tags and variation selectors supplement
};

// The code point at `i` (an unpaired surrogate as itself) and how many
// UTF-16 units it takes.
std::pair<char32_t, qsizetype> CodePointAt(QStringView text, qsizetype i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text[i + 1]), 2};
    return {c.unicode(), 1};
}

bool IsShownAsCode(char32_t c) {
    return IsHiddenCharacter(c) || QChar::category(c) == QChar::Other_Control ||
           QChar::isSurrogate(c);
}

} // namespace

bool IsHiddenCharacter(char32_t codePoint) {
    const auto after =
        std::upper_bound(std::begin(kHidden), std::end(kHidden), codePoint,
                         [](char32_t value, const Range& range) { return value < range.first; });
    return after != std::begin(kHidden) && codePoint <= std::prev(after)->last;
}

std::optional<char32_t> FirstHiddenCharacter(QStringView text) {
    for (qsizetype i = 0; i < text.size();) {
        const auto [c, length] = CodePointAt(text, i);
        if (IsHiddenCharacter(c) || QChar::isSurrogate(c))
            return c;
        i += length;
    }
    return std::nullopt;
}

QString CodePointName(char32_t codePoint) {
    return QStringLiteral("U+") +
           QString::number(uint(codePoint), 16).toUpper().rightJustified(4, u'0');
}

QString WithHiddenShown(QStringView text) {
    QString shown;
    for (qsizetype i = 0; i < text.size();) {
        const auto [c, length] = CodePointAt(text, i);
        if (IsShownAsCode(c))
            shown += u'[' + CodePointName(c) + u']';
        else
            shown += text.sliced(i, length);
        i += length;
    }
    return shown;
}
