#pragma once

#include <QColor>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>

#include <ostream>
#include <vector>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The text of every paragraph, joined by '\n', characters as stored.
inline QString TextOf(const QTextDocument& document) {
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks.append(block.text());
    return blocks.join(u'\n');
}

// What one character of a document looks like, for comparing documents.
struct CharLook {
    QChar character;
    QString family;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QRgb color = 0; // 0: automatic
    Qt::Alignment alignment;
    bool operator==(const CharLook&) const = default;
};

inline QString FamilyOf(const QTextCharFormat& format, const QTextDocument& document) {
    const QFont font = format.font().resolve(document.defaultFont());
    return font.families().isEmpty() ? font.family() : font.families().first();
}

// Every character (paragraph ends as '\n'), with its effective formatting.
inline std::vector<CharLook> LookOf(const QTextDocument& document) {
    std::vector<CharLook> looks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            for (QChar c : it.fragment().text()) {
                looks.push_back({c, FamilyOf(format, document), font.pointSizeF(), font.bold(),
                                 font.italic(), font.underline(),
                                 format.foreground().style() == Qt::NoBrush
                                     ? QRgb(0)
                                     : format.foreground().color().rgb(),
                                 alignment});
            }
        }
        CharLook end;
        end.character = u'\n';
        end.alignment = alignment;
        if (block.length() <= 1) // an empty paragraph's height comes from its own format
            end.pointSize = block.charFormat().font().resolve(document.defaultFont()).pointSizeF();
        looks.push_back(end);
    }
    return looks;
}

// The formatting of the character at `position` of the plain text.
inline QTextCharFormat FormatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}
