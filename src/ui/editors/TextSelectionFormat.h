#pragma once

#include <QColor>
#include <QString>
#include <QTextCursor>

#include <optional>

class QTextCharFormat;

// The formatting of a text selection as the text box editor's toolbar shows
// it. A value is missing when the selection mixes several.

// Paragraph alignments by their toolbar numbers.
enum class TextAlignment { Left = 0, Right = 1, Center = 2, Justify = 3 };

struct SelectionFormat {
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<QString> family;
    std::optional<double> pointSize;
    std::optional<QColor> color;
    std::optional<TextAlignment> alignment;
};

// Without a selection: the format new text at the cursor gets.
SelectionFormat ReadSelectionFormat(const QTextCursor& cursor);

// Sets one character attribute on the selection, or on what is typed next
// at the cursor when nothing is selected.
void SetSelectionBold(QTextCursor& cursor, bool bold);
void SetSelectionItalic(QTextCursor& cursor, bool italic);
void SetSelectionUnderline(QTextCursor& cursor, bool underline);
void SetSelectionFamily(QTextCursor& cursor, const QString& family);
void SetSelectionPointSize(QTextCursor& cursor, double pointSize);
void SetSelectionColor(QTextCursor& cursor, const QColor& color);
// Aligns every paragraph the selection touches.
void SetSelectionAlignment(QTextCursor& cursor, TextAlignment alignment);
