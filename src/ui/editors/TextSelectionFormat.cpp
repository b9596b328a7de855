#include "ui/editors/TextSelectionFormat.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

#include <functional>

namespace {

// The common value of `read` over the formats, or nothing when they differ.
template <typename T> class Common {
public:
    void Add(const T& value) {
        if (!mSeen) {
            mValue = value;
            mSeen = true;
        } else if (mValue && *mValue != value) {
            mValue.reset();
        }
    }
    std::optional<T> Value() const { return mValue; }

private:
    bool mSeen = false;
    std::optional<T> mValue;
};

struct FormatCollector {
    Common<bool> bold, italic, underline;
    Common<QString> family;
    Common<double> pointSize;
    Common<QRgb> color;

    void Add(const QTextCharFormat& format, const QFont& defaultFont) {
        const QStringList families = format.fontFamilies().toStringList();
        bold.Add(format.hasProperty(QTextFormat::FontWeight)
                     ? format.fontWeight() >= QFont::DemiBold
                     : defaultFont.bold());
        italic.Add(format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic()
                                                               : defaultFont.italic());
        underline.Add(format.fontUnderline());
        family.Add(families.isEmpty() ? defaultFont.family() : families.first());
        pointSize.Add(format.fontPointSize() > 0 ? format.fontPointSize()
                                                 : defaultFont.pointSizeF());
        const QBrush brush = format.foreground();
        color.Add(brush.style() == Qt::NoBrush ? qRgb(0, 0, 0) : brush.color().rgb());
    }
};

TextAlignment ToolbarAlignment(Qt::Alignment alignment) {
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        return TextAlignment::Center;
    if (horizontal & Qt::AlignJustify)
        return TextAlignment::Justify;
    if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
        return TextAlignment::Right;
    return TextAlignment::Left;
}

Qt::Alignment QtAlignment(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Right: return Qt::AlignRight;
    case TextAlignment::Center: return Qt::AlignHCenter;
    case TextAlignment::Justify: return Qt::AlignJustify;
    case TextAlignment::Left: break;
    }
    return Qt::AlignLeft;
}

// The character formats of the selected text, fragment by fragment.
void ForEachSelectedFormat(const QTextCursor& cursor,
                           const std::function<void(const QTextCharFormat&)>& visit) {
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = cursor.document()->findBlock(start);
         block.isValid() && block.position() < end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() < end && fragment.position() + fragment.length() > start)
                visit(fragment.charFormat());
        }
    }
}

// Merges one change into the selection's formats (or the cursor's own).
template <typename Change> void MergeChange(QTextCursor& cursor, Change change) {
    QTextCharFormat format;
    change(format);
    cursor.mergeCharFormat(format);
}

} // namespace

SelectionFormat ReadSelectionFormat(const QTextCursor& cursor) {
    SelectionFormat result;
    const QTextDocument* document = cursor.document();
    if (!document)
        return result;
    const QFont defaultFont = document->defaultFont();
    FormatCollector formats;
    if (cursor.hasSelection())
        ForEachSelectedFormat(
            cursor, [&](const QTextCharFormat& format) { formats.Add(format, defaultFont); });
    else
        formats.Add(cursor.charFormat(), defaultFont);
    result.bold = formats.bold.Value();
    result.italic = formats.italic.Value();
    result.underline = formats.underline.Value();
    result.family = formats.family.Value();
    result.pointSize = formats.pointSize.Value();
    if (const std::optional<QRgb> rgb = formats.color.Value())
        result.color = QColor::fromRgb(*rgb);

    Common<TextAlignment> alignment;
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    for (QTextBlock block = document->findBlock(cursor.selectionStart()); block.isValid();
         block = block.next()) {
        alignment.Add(ToolbarAlignment(block.blockFormat().alignment()));
        if (block == last)
            break;
    }
    result.alignment = alignment.Value();
    return result;
}

void SetSelectionBold(QTextCursor& cursor, bool bold) {
    MergeChange(cursor,
                [&](QTextCharFormat& f) { f.setFontWeight(bold ? QFont::Bold : QFont::Normal); });
}

void SetSelectionItalic(QTextCursor& cursor, bool italic) {
    MergeChange(cursor, [&](QTextCharFormat& f) { f.setFontItalic(italic); });
}

void SetSelectionUnderline(QTextCursor& cursor, bool underline) {
    MergeChange(cursor, [&](QTextCharFormat& f) { f.setFontUnderline(underline); });
}

void SetSelectionFamily(QTextCursor& cursor, const QString& family) {
    MergeChange(cursor, [&](QTextCharFormat& f) { f.setFontFamilies(QStringList{family}); });
}

void SetSelectionPointSize(QTextCursor& cursor, double pointSize) {
    MergeChange(cursor, [&](QTextCharFormat& f) { f.setFontPointSize(pointSize); });
}

void SetSelectionColor(QTextCursor& cursor, const QColor& color) {
    MergeChange(cursor, [&](QTextCharFormat& f) { f.setForeground(color); });
}

void SetSelectionAlignment(QTextCursor& cursor, TextAlignment alignment) {
    QTextBlockFormat format;
    format.setAlignment(QtAlignment(alignment));
    cursor.mergeBlockFormat(format);
}
