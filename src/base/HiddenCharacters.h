#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Characters that draw nothing or turn the direction of the text around them:
// every default-ignorable code point (soft hyphen, zero-width and joiner
// characters, invisible operators, fillers, variation selectors, tags, ...),
// every bidirectional control (marks, embeddings, overrides, isolates) and
// the line and paragraph separators. A name holding one can look exactly
// like another name, or show its letters in another order.
bool IsHiddenCharacter(char32_t codePoint);

// The first hidden character of the text; an unpaired surrogate counts as
// one (it has no file name).
std::optional<char32_t> FirstHiddenCharacter(QStringView text);

// "U+200E": how a refused character is named to the user.
QString CodePointName(char32_t codePoint);

// The text as it can be shown in a message: each hidden or control
// character (and unpaired surrogate) written as "[U+202E]".
QString WithHiddenShown(QStringView text);
