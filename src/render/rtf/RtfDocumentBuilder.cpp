#include "render/rtf/RtfDocumentBuilder.h"

#include "render/rtf/TextFontFamilies.h"

#include <QTextBlock>
#include <QTextDocument>

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& document, const RtfDefaults& defaults)
    : mCursor(&document), mDefaults(defaults) {}

int RtfDocumentBuilder::CodePageOf(int font) const {
    const RtfFont* entry = FontOf(font);
    return entry ? entry->codePage : 0;
}

const RtfFont* RtfDocumentBuilder::FontOf(int index) const {
    auto it = mFonts.constFind(index < 0 ? mDefaultFont : index);
    if (it == mFonts.constEnd())
        it = mFonts.constFind(mDefaultFont);
    return it == mFonts.constEnd() ? nullptr : &it.value();
}

QTextCharFormat RtfDocumentBuilder::FormatOf(const RtfChars& chars) const {
    QTextCharFormat format;
    const RtfFont* font = FontOf(chars.font);
    const QString family = font ? font->name : mDefaults.family;
    format.setFontFamilies(TextFontFamilies(family));
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    if (chars.color >= 0 && chars.color < static_cast<int>(mColors.size()) &&
        mColors[chars.color].isValid())
        format.setForeground(mColors[chars.color]);
    return format;
}

void RtfDocumentBuilder::Append(QStringView text, const RtfChars& chars) {
    if (mReached && !mLimit.wholeParagraph)
        return;
    if (mParagraphPending) {
        FlushRun();
        mCursor.insertBlock(QTextBlockFormat(), FormatOf(chars));
        mParagraphPending = false;
    }
    if (!mRun.isEmpty() && !(mRunChars == chars))
        FlushRun();
    mRunChars = chars;
    mRun += text;
    mLength += text.size();
    mReached = mReached || (mLimit.chars >= 0 && mLength >= mLimit.chars);
}

void RtfDocumentBuilder::FlushRun() {
    if (mRun.isEmpty())
        return;
    mCursor.insertText(mRun, FormatOf(mRunChars));
    mRun.clear();
}

void RtfDocumentBuilder::EndParagraph(Qt::Alignment alignment, const RtfChars& chars) {
    if (mParagraphPending)
        Append(QString(), chars);
    FlushRun();
    FormatCurrentBlock(alignment, chars);
    mParagraphPending = true;
    mFull = mReached;
}

void RtfDocumentBuilder::Finish(Qt::Alignment alignment, const RtfChars& chars) {
    FlushRun();
    if (!mParagraphPending) // a final "\par" leaves no empty paragraph behind
        FormatCurrentBlock(alignment, chars);
}

void RtfDocumentBuilder::FormatCurrentBlock(Qt::Alignment alignment, const RtfChars& chars) {
    QTextBlockFormat blockFormat = mCursor.blockFormat();
    blockFormat.setAlignment(alignment);
    mCursor.setBlockFormat(blockFormat);
    if (mCursor.block().length() <= 1) // an empty paragraph's height comes from its format
        mCursor.setBlockCharFormat(FormatOf(chars));
}
