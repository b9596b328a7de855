#pragma once

#include "render/rtf/RtfReader.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QTextCursor>

#include <vector>

class QTextDocument;

// Character formatting as RTF states it: indexes into the font and colour tables.
struct RtfChars {
    int font = -1; // -1: the document's default font ("\deffN")
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0;
    bool operator==(const RtfChars&) const = default;
};

struct RtfFont {
    QString name;
    int codePage = 0; // 0: the document's code page
};

// Builds the QTextDocument while RtfReader walks the RTF: holds the font and
// colour tables, joins text of equal formatting into runs, and adds a
// paragraph only when text follows its "\par".
class RtfDocumentBuilder {
public:
    RtfDocumentBuilder(QTextDocument& document, const RtfDefaults& defaults);

    void SetDefaultFont(int index) { mDefaultFont = index; }
    void AddFont(int index, RtfFont font) { mFonts.insert(index, std::move(font)); }
    void AddColor(QColor color) { mColors.push_back(color); } // invalid: automatic
    // The code page of a font's charset, or 0 when it names none.
    int CodePageOf(int font) const;

    // Text beyond the limit's characters is left out, up to the end of the
    // paragraph or not at all (`wholeParagraph`).
    void SetLimit(RtfReadLimit limit) { mLimit = limit; }
    // The limit was reached: text may have been left out.
    bool Reached() const { return mReached; }
    // The paragraph where the limit was reached has ended: nothing more is read.
    bool Full() const { return mFull; }

    void Append(QStringView text, const RtfChars& chars);
    // Ends the paragraph with the alignment and formatting in effect.
    void EndParagraph(Qt::Alignment alignment, const RtfChars& chars);
    void Finish(Qt::Alignment alignment, const RtfChars& chars);

private:
    const RtfFont* FontOf(int index) const;
    QTextCharFormat FormatOf(const RtfChars& chars) const;
    void FlushRun();
    void FormatCurrentBlock(Qt::Alignment alignment, const RtfChars& chars);

    QTextCursor mCursor;
    const RtfDefaults& mDefaults;
    int mDefaultFont = 0;
    QHash<int, RtfFont> mFonts;
    std::vector<QColor> mColors;
    QString mRun;
    RtfChars mRunChars;
    bool mParagraphPending = false;
    RtfReadLimit mLimit;
    qsizetype mLength = 0; // characters appended
    bool mReached = false;
    bool mFull = false;
};
