#include "render/rtf/RtfWriter.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The character formatting as written: indexes into the font and colour tables.
struct WrittenChars {
    int font = -1;
    int halfPoints = -1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0; // 0: automatic
};

class Emitter {
public:
    void Raw(QLatin1StringView text) {
        mOut += text;
        mDelimit = false;
    }

    void Word(QLatin1StringView word, int param = INT32_MIN) {
        mOut += u'\\';
        mOut += word;
        if (param != INT32_MIN)
            mOut += QString::number(param);
        mDelimit = true;
    }

    // One character of text; `inName` also escapes the font name terminator.
    void Char(QChar c, bool inName = false) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'\\':
        case u'{':
        case u'}':
            Literal(u'\\');
            Literal(u);
            return;
        case u'>': // '>' and '~' would put a "+" into the Base64 form
            Raw(QLatin1StringView("\\'3e"));
            return;
        case u'~': Raw(QLatin1StringView("\\'7e")); return;
        case u'\t': Word(QLatin1StringView("tab")); return;
        case QChar::LineSeparator:
        case QChar::ParagraphSeparator: Word(QLatin1StringView("line")); return;
        case QChar::ObjectReplacementCharacter: return;
        default: break;
        }
        if (inName && u == u';') {
            Raw(QLatin1StringView("\\'3b"));
        } else if (u >= 0x80) {
            Word(QLatin1StringView("u"), static_cast<int16_t>(u));
            Raw(QLatin1StringView("?"));
        } else if (u >= 0x20 && u != 0x7F) {
            Literal(u);
        }
    }

    void Text(const QString& text, bool inName = false) {
        for (QChar c : text)
            Char(c, inName);
    }

    QString Result() const { return mOut; }

private:
    void Literal(char16_t u) {
        if (mDelimit)
            mOut += u' ';
        mOut += QChar(u);
        mDelimit = false;
    }

    QString mOut;
    bool mDelimit = false;
};

class DocumentWriter {
public:
    explicit DocumentWriter(const QTextDocument& document) : mDocument(document) {
        mFonts.append(FamilyOf(document.defaultFont()));
    }

    QString Write() {
        CollectTables();
        WriteHeader();
        bool first = true;
        Qt::Alignment alignment = Qt::AlignLeft;
        for (QTextBlock block = mDocument.begin(); block.isValid(); block = block.next()) {
            const Qt::Alignment blockAlignment = AlignmentOf(block);
            if (first || blockAlignment != alignment) {
                mOut.Word(QLatin1StringView("pard"));
                WriteAlignment(blockAlignment);
                alignment = blockAlignment;
                first = false;
            }
            WriteBlock(block);
        }
        mOut.Raw(QLatin1StringView("}"));
        return mOut.Result();
    }

private:
    QFont EffectiveFont(const QTextCharFormat& format) const {
        return format.font().resolve(mDocument.defaultFont());
    }

    static QString FamilyOf(const QFont& font) {
        const QStringList families = font.families();
        return families.isEmpty() ? font.family() : families.first();
    }

    static int HalfPointsOf(const QFont& font) {
        double points = font.pointSizeF();
        if (points <= 0 && font.pixelSize() > 0)
            points = font.pixelSize() * 72.0 / 96.0;
        if (points <= 0)
            points = 12.0;
        return std::max(2, static_cast<int>(std::lround(points * 2)));
    }

    static Qt::Alignment AlignmentOf(const QTextBlock& block) {
        const Qt::Alignment horizontal = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (horizontal & Qt::AlignJustify)
            return Qt::AlignJustify;
        if (horizontal & Qt::AlignHCenter)
            return Qt::AlignHCenter;
        if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
            return Qt::AlignRight;
        return Qt::AlignLeft;
    }

    // Every character format of the document: fragments, and the block
    // format of empty paragraphs (which sets their height).
    template <typename Visit> void ForEachFormat(Visit visit) const {
        for (QTextBlock block = mDocument.begin(); block.isValid(); block = block.next()) {
            if (block.length() <= 1)
                visit(block.charFormat());
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().isValid())
                    visit(it.fragment().charFormat());
            }
        }
    }

    void CollectTables() {
        ForEachFormat([this](const QTextCharFormat& format) {
            const QString family = FamilyOf(EffectiveFont(format));
            if (!mFonts.contains(family))
                mFonts.append(family);
            if (format.foreground().style() != Qt::NoBrush) {
                const QRgb rgb = format.foreground().color().rgb();
                if (!mColors.contains(rgb))
                    mColors.append(rgb);
            }
        });
    }

    void WriteHeader() {
        mOut.Raw(QLatin1StringView("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl"));
        for (qsizetype i = 0; i < mFonts.size(); ++i) {
            mOut.Raw(QLatin1StringView("{"));
            mOut.Word(QLatin1StringView("f"), static_cast<int>(i));
            mOut.Word(QLatin1StringView("fnil"));
            mOut.Word(QLatin1StringView("fcharset"), 0);
            mOut.Text(mFonts[i], true);
            mOut.Raw(QLatin1StringView(";}"));
        }
        mOut.Raw(QLatin1StringView("}"));
        if (!mColors.isEmpty()) {
            mOut.Raw(QLatin1StringView("{\\colortbl ;"));
            for (QRgb rgb : mColors) {
                mOut.Word(QLatin1StringView("red"), qRed(rgb));
                mOut.Word(QLatin1StringView("green"), qGreen(rgb));
                mOut.Word(QLatin1StringView("blue"), qBlue(rgb));
                mOut.Raw(QLatin1StringView(";"));
            }
            mOut.Raw(QLatin1StringView("}"));
        }
        mOut.Raw(QLatin1StringView("\r\n"));
        mOut.Word(QLatin1StringView("uc"), 1);
    }

    void WriteAlignment(Qt::Alignment alignment) {
        if (alignment == Qt::AlignHCenter)
            mOut.Word(QLatin1StringView("qc"));
        else if (alignment == Qt::AlignRight)
            mOut.Word(QLatin1StringView("qr"));
        else if (alignment == Qt::AlignJustify)
            mOut.Word(QLatin1StringView("qj"));
    }

    void WriteBlock(const QTextBlock& block) {
        if (block.length() <= 1)
            WriteChars(block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            WriteChars(fragment.charFormat());
            mOut.Text(fragment.text());
        }
        mOut.Word(QLatin1StringView("par"));
        mOut.Raw(QLatin1StringView("\r\n"));
    }

    // Writes the words that change the written formatting to `format`.
    void WriteChars(const QTextCharFormat& format) {
        const QFont font = EffectiveFont(format);
        WrittenChars next;
        next.font = static_cast<int>(mFonts.indexOf(FamilyOf(font)));
        next.halfPoints = HalfPointsOf(font);
        next.bold = font.bold();
        next.italic = font.italic();
        next.underline = font.underline();
        if (format.foreground().style() != Qt::NoBrush)
            next.color = static_cast<int>(mColors.indexOf(format.foreground().color().rgb())) + 1;
        if (next.font != mChars.font)
            mOut.Word(QLatin1StringView("f"), next.font);
        if (next.halfPoints != mChars.halfPoints)
            mOut.Word(QLatin1StringView("fs"), next.halfPoints);
        if (next.bold != mChars.bold)
            mOut.Word(QLatin1StringView(next.bold ? "b" : "b0"));
        if (next.italic != mChars.italic)
            mOut.Word(QLatin1StringView(next.italic ? "i" : "i0"));
        if (next.underline != mChars.underline)
            mOut.Word(QLatin1StringView(next.underline ? "ul" : "ulnone"));
        if (next.color != mChars.color)
            mOut.Word(QLatin1StringView("cf"), next.color);
        mChars = next;
    }

    const QTextDocument& mDocument;
    Emitter mOut;
    QStringList mFonts;
    QList<QRgb> mColors;
    WrittenChars mChars;
};

} // namespace

QString RtfWriter::Write(const QTextDocument& document) { return DocumentWriter(document).Write(); }
