#include "render/rtf/RtfReader.h"

#include "render/rtf/RtfCodePage.h"
#include "render/rtf/RtfDocumentBuilder.h"
#include "render/rtf/RtfKeywords.h"
#include "render/rtf/TextFontFamilies.h"

#include <QColor>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int kMinHalfPoints = 2;    // 1 point
constexpr int kMaxHalfPoints = 3276; // 1638 points
constexpr int kMaxUnicodeSkip = 16;
constexpr int kDefaultCodePage = 1252;

enum class Destination { Text, FontTable, ColorTable, Skip };

struct GroupState {
    RtfChars chars;
    Qt::Alignment alignment = Qt::AlignLeft;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
};

// A font table entry being read.
struct PendingFont {
    bool open = false;
    int index = 0;
    int codePage = 0;
    QString name;
};

struct PendingColor {
    bool hasValue = false;
    int red = 0;
    int green = 0;
    int blue = 0;
};

class Parser {
public:
    Parser(QStringView rtf, QTextDocument& document, const RtfDefaults& defaults,
           RtfReadLimit limit)
        : mText(rtf), mBuilder(document, defaults) {
        mBuilder.SetLimit(limit);
        mDefaultChars.halfPoints =
            std::clamp(qRound(defaults.pointSize * 2), kMinHalfPoints, kMaxHalfPoints);
        GroupState root;
        root.chars = mDefaultChars;
        mStack.push_back(root);
    }

    // Returns whether the limit was reached.
    bool Run() {
        while (mPos < mText.size() && !mDone)
            Step();
        Finish();
        return mBuilder.Reached();
    }

private:
    GroupState& Top() { return mStack.back(); }

    void Step() {
        const QChar c = mText[mPos];
        if (mOverflow > 0) {
            SkipOverflowChar(c);
            return;
        }
        switch (c.unicode()) {
        case u'{':
            ++mPos;
            FlushBytes();
            mSkipPending = 0;
            OpenGroup();
            break;
        case u'}':
            ++mPos;
            FlushBytes();
            mSkipPending = 0;
            CloseGroup();
            break;
        case u'\\': ReadControl(); break;
        case u'\r':
        case u'\n':
            ++mPos; // line ends carry no text in RTF, not even between bytes
            break;
        default:
            ++mPos;
            if (AbsorbTrailByte(c))
                break;
            FlushBytes();
            if (!ConsumeSkip())
                PlainChar(c);
            break;
        }
    }

    // Inside groups beyond the depth limit only the braces are followed.
    void SkipOverflowChar(QChar c) {
        if (c == u'\\')
            mPos += 2;
        else
            ++mPos;
        if (c == u'{')
            ++mOverflow;
        else if (c == u'}')
            --mOverflow;
    }

    void OpenGroup() {
        if (static_cast<int>(mStack.size()) > RtfReader::kMaxDepth) {
            mOverflow = 1;
            return;
        }
        mStack.push_back(Top());
    }

    void CloseGroup() {
        if (Top().destination == Destination::FontTable)
            CommitFont();
        if (mStack.size() <= 2) {
            // the document's own group ends: anything after it is not read
            if (mStack.size() == 2)
                mDone = true;
            return;
        }
        mStack.pop_back();
    }

    bool ConsumeSkip() {
        if (mSkipPending <= 0)
            return false;
        --mSkipPending;
        return true;
    }

    void ReadControl() {
        if (mPos + 1 >= mText.size()) { // a lone backslash at the end
            mPos = mText.size();
            return;
        }
        const QChar next = mText[mPos + 1];
        if (IsAsciiLetter(next)) {
            ReadControlWord();
        } else if (next == u'\'') {
            ReadHexByte();
        } else {
            mPos += 2;
            if ((next == u'\\' || next == u'{' || next == u'}') && AbsorbTrailByte(next))
                return;
            FlushBytes();
            if (!ConsumeSkip())
                ControlSymbol(next);
        }
    }

    static bool IsAsciiLetter(QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    }
    static bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
    static int HexValue(QChar c) {
        if (IsDigit(c))
            return c.unicode() - u'0';
        if (c >= u'a' && c <= u'f')
            return c.unicode() - u'a' + 10;
        if (c >= u'A' && c <= u'F')
            return c.unicode() - u'A' + 10;
        return -1;
    }

    void ReadControlWord() {
        qsizetype end = mPos + 1;
        while (end < mText.size() && IsAsciiLetter(mText[end]))
            ++end;
        const QStringView word = mText.sliced(mPos + 1, end - mPos - 1);
        bool negative = false;
        if (end + 1 < mText.size() && mText[end] == u'-' && IsDigit(mText[end + 1])) {
            negative = true;
            ++end;
        }
        bool hasParam = false;
        int64_t value = 0;
        while (end < mText.size() && IsDigit(mText[end])) {
            hasParam = true;
            if (value < INT32_MAX) // saturate, but read every digit
                value = std::min<int64_t>(value * 10 + (mText[end].unicode() - u'0'), INT32_MAX);
            ++end;
        }
        if (end < mText.size() && mText[end] == u' ')
            ++end; // the delimiting blank belongs to the word
        mPos = end;
        FlushBytes();
        if (ConsumeSkip())
            return;
        ControlWord(word, hasParam, static_cast<int>(negative ? -value : value));
    }

    void ReadHexByte() {
        const int high = mPos + 2 < mText.size() ? HexValue(mText[mPos + 2]) : -1;
        const int low = mPos + 3 < mText.size() ? HexValue(mText[mPos + 3]) : -1;
        if (high < 0 || low < 0) {
            mPos += high < 0 ? 2 : 3; // a broken escape yields nothing
            FlushBytes();
            return;
        }
        mPos += 4;
        if (ConsumeSkip() || Top().destination == Destination::Skip)
            return;
        const int codePage = CurrentCodePage();
        if (!mBytes.isEmpty() && codePage != mBytesCodePage)
            FlushBytes();
        mBytesCodePage = codePage;
        AppendByte(static_cast<char>(high * 16 + low));
    }

    // Whether a byte opens a double-byte character is decided as it comes:
    // after a first half, the next byte is always the second.
    void AppendByte(char byte) {
        mBytes.append(byte);
        mTrailExpected =
            !mTrailExpected && IsLeadByte(static_cast<unsigned char>(byte), mBytesCodePage);
    }

    // The second byte of a double-byte character may be written as plain text.
    bool AbsorbTrailByte(QChar c) {
        if (!mTrailExpected || c.unicode() >= 0x80)
            return false;
        AppendByte(static_cast<char>(c.unicode()));
        return true;
    }

    void ControlSymbol(QChar symbol) {
        switch (symbol.unicode()) {
        case u'\\':
        case u'{':
        case u'}': PlainChar(symbol); break;
        case u'~': Emit(QChar(0x00A0)); break;
        case u'_': Emit(QChar(0x2011)); break;
        case u'*': Top().destination = Destination::Skip; break;
        case u'\r':
        case u'\n':
            if (Top().destination == Destination::Text)
                Paragraph();
            break;
        default: // "\-" (optional hyphen), "\|", "\:" and the like
            break;
        }
    }

    void ControlWord(QStringView word, bool hasParam, int param) {
        const RtfKeywordInfo info = LookUpRtfKeyword(word);
        if (info.keyword == RtfKeyword::Binary) {
            // raw data follows; it may hold braces and backslashes
            mPos = std::min<qsizetype>(mText.size(), mPos + std::max(0, param));
            return;
        }
        GroupState& state = Top();
        switch (state.destination) {
        case Destination::Skip: return;
        case Destination::FontTable:
            if (FontTableWord(info.keyword, param))
                return;
            break;
        case Destination::ColorTable: ColorTableWord(info.keyword, param); return;
        case Destination::Text:
            if (TextWord(info, hasParam, param))
                return;
            break;
        }
        CommonWord(info.keyword, hasParam, param);
    }

    // Words that mean the same wherever they stand.
    void CommonWord(RtfKeyword keyword, bool hasParam, int param) {
        GroupState& state = Top();
        switch (keyword) {
        case RtfKeyword::FontTable: state.destination = Destination::FontTable; break;
        case RtfKeyword::ColorTable: state.destination = Destination::ColorTable; break;
        case RtfKeyword::SkippedDestination: state.destination = Destination::Skip; break;
        case RtfKeyword::Ansi: mCodePage = 1252; break;
        case RtfKeyword::Mac: mCodePage = 10000; break;
        case RtfKeyword::Pc: mCodePage = 437; break;
        case RtfKeyword::Pca: mCodePage = 850; break;
        case RtfKeyword::AnsiCodePage:
            if (param > 0)
                mCodePage = param;
            break;
        case RtfKeyword::DefaultFont: mBuilder.SetDefaultFont(param); break;
        case RtfKeyword::Unicode:
            if (hasParam)
                UnicodeChar(param);
            break;
        case RtfKeyword::UnicodeSkip:
            state.unicodeSkip = std::clamp(param, 0, kMaxUnicodeSkip);
            break;
        default: break;
        }
    }

    bool FontTableWord(RtfKeyword keyword, int param) {
        switch (keyword) {
        case RtfKeyword::Font:
            CommitFont(); // entries may follow each other without groups
            mFont = PendingFont{true, param, 0, {}};
            return true;
        case RtfKeyword::FontCharset:
            if (mFont.codePage == 0)
                mFont.codePage = CodePageForCharset(param);
            return true;
        case RtfKeyword::FontCodePage:
            if (param > 0)
                mFont.codePage = param;
            return true;
        default: return false;
        }
    }

    void ColorTableWord(RtfKeyword keyword, int param) {
        const int value = std::clamp(param, 0, 255);
        switch (keyword) {
        case RtfKeyword::Red: mColor.red = value; break;
        case RtfKeyword::Green: mColor.green = value; break;
        case RtfKeyword::Blue: mColor.blue = value; break;
        default: return;
        }
        mColor.hasValue = true;
    }

    bool TextWord(const RtfKeywordInfo& info, bool hasParam, int param) {
        GroupState& state = Top();
        RtfChars& chars = state.chars;
        const bool on = !hasParam || param != 0;
        switch (info.keyword) {
        case RtfKeyword::Plain: chars = mDefaultChars; break;
        case RtfKeyword::Bold: chars.bold = on; break;
        case RtfKeyword::Italic: chars.italic = on; break;
        case RtfKeyword::Underline: chars.underline = on; break;
        case RtfKeyword::UnderlineNone: chars.underline = false; break;
        case RtfKeyword::Font: chars.font = param; break;
        case RtfKeyword::FontSize:
            chars.halfPoints = hasParam ? std::clamp(param, kMinHalfPoints, kMaxHalfPoints) : 24;
            break;
        case RtfKeyword::Color: chars.color = param; break;
        case RtfKeyword::ParagraphDefault: state.alignment = Qt::AlignLeft; break;
        case RtfKeyword::AlignLeft: state.alignment = Qt::AlignLeft; break;
        case RtfKeyword::AlignCenter: state.alignment = Qt::AlignHCenter; break;
        case RtfKeyword::AlignRight: state.alignment = Qt::AlignRight; break;
        case RtfKeyword::AlignJustify: state.alignment = Qt::AlignJustify; break;
        case RtfKeyword::Paragraph: Paragraph(); break;
        case RtfKeyword::Line: Emit(QChar(QChar::LineSeparator)); break;
        case RtfKeyword::Tab: Emit(QChar(u'\t')); break;
        case RtfKeyword::Character: Emit(info.character); break;
        default: return false;
        }
        return true;
    }

    void UnicodeChar(int value) {
        if (value < 0)
            value += 0x10000; // written as signed 16-bit
        if (value >= 0 && value <= 0xFFFF)
            Emit(QChar(static_cast<char16_t>(value)));
        else if (value > 0xFFFF && value <= 0x10FFFF) {
            const char32_t codePoint = static_cast<char32_t>(value);
            Emit(QString::fromUcs4(&codePoint, 1));
        }
        mSkipPending = Top().unicodeSkip;
    }

    // A character of the text itself (not from \' or \u).
    void PlainChar(QChar c) {
        GroupState& state = Top();
        if (state.destination == Destination::FontTable && c == u';') {
            CommitFont();
            return;
        }
        if (state.destination == Destination::ColorTable) {
            if (c == u';')
                CommitColor();
            return;
        }
        Emit(c);
    }

    // Characters a text box cannot hold: controls other than the tab, and
    // object markers. A paragraph separator inside a paragraph breaks the line.
    static bool IsPrintable(QChar c) {
        return (c.unicode() >= 0x20 || c == u'\t') && c.unicode() != 0x7F &&
               c != QChar::ObjectReplacementCharacter;
    }
    static QString Printable(QString text) {
        text.replace(QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator));
        text.removeIf([](QChar c) { return !IsPrintable(c); });
        return text;
    }

    // Decoded text goes to the destination of the current group.
    void Emit(const QString& raw) {
        const QString text = Printable(raw);
        switch (Top().destination) {
        case Destination::Text: mBuilder.Append(text, Top().chars); break;
        case Destination::FontTable:
            if (mFont.open)
                mFont.name += text;
            break;
        case Destination::ColorTable:
        case Destination::Skip: break;
        }
    }
    // The common case, a character of the text, without a string of its own.
    void Emit(QChar c) {
        if (Top().destination != Destination::Text || c == QChar::ParagraphSeparator)
            Emit(QString(c));
        else // what is left out still counts, as an empty text
            mBuilder.Append(IsPrintable(c) ? QStringView(&c, 1) : QStringView(), Top().chars);
    }

    void FlushBytes() {
        if (mBytes.isEmpty())
            return;
        const QString text = DecodeCodePage(mBytes, mBytesCodePage);
        mBytes.clear();
        mTrailExpected = false;
        Emit(text);
    }

    int CurrentCodePage() const {
        const GroupState& state = mStack.back();
        int codePage = 0;
        if (state.destination == Destination::FontTable)
            codePage = mFont.codePage;
        else
            codePage = mBuilder.CodePageOf(state.chars.font);
        return codePage > 0 ? codePage : mCodePage;
    }

    void CommitFont() {
        FlushBytes();
        const QString name = mFont.name.simplified();
        if (mFont.open && !name.isEmpty())
            mBuilder.AddFont(mFont.index, RtfFont{name, mFont.codePage});
        mFont = PendingFont{};
    }

    void CommitColor() {
        mBuilder.AddColor(mColor.hasValue ? QColor(mColor.red, mColor.green, mColor.blue)
                                          : QColor());
        mColor = PendingColor{};
    }

    void Paragraph() {
        mBuilder.EndParagraph(Top().alignment, Top().chars);
        mDone = mDone || mBuilder.Full();
    }

    void Finish() {
        FlushBytes();
        mBuilder.Finish(Top().alignment, Top().chars);
    }

    QStringView mText;
    qsizetype mPos = 0;
    RtfDocumentBuilder mBuilder;
    RtfChars mDefaultChars;
    std::vector<GroupState> mStack;
    int mOverflow = 0;
    bool mDone = false;
    int mSkipPending = 0;
    int mCodePage = kDefaultCodePage;
    PendingFont mFont;
    PendingColor mColor;
    QByteArray mBytes;
    int mBytesCodePage = kDefaultCodePage;
    bool mTrailExpected = false; // the last of mBytes is the first half of a character
};

// Where plain text read up to `limit` ends.
qsizetype PlainTextEnd(QStringView text, RtfReadLimit limit) {
    if (limit.chars < 0 || limit.chars >= text.size())
        return text.size();
    if (!limit.wholeParagraph)
        return limit.chars;
    const qsizetype lineEnd = text.indexOf(u'\n', limit.chars);
    return lineEnd < 0 ? text.size() : lineEnd;
}

} // namespace

RtfReader::RtfReader(RtfDefaults defaults) : mDefaults(std::move(defaults)) {}

bool RtfReader::IsRtf(QStringView text) { return text.trimmed().startsWith(u"{\\rtf"); }

void RtfReader::Read(QStringView rtf, QTextDocument& document) const {
    Read(rtf, document, RtfReadLimit{});
}

bool RtfReader::Read(QStringView rtf, QTextDocument& document, RtfReadLimit limit) const {
    document.clear();
    QFont font = document.defaultFont();
    font.setFamilies(TextFontFamilies(mDefaults.family));
    font.setPointSizeF(mDefaults.pointSize);
    document.setDefaultFont(font);
    if (!IsRtf(rtf)) {
        const qsizetype end = PlainTextEnd(rtf, limit);
        document.setPlainText(rtf.first(end).toString());
        return end < rtf.size();
    }
    // One edit: inside it the cursor does not lay out its paragraph after
    // every insertion, which made reading a long paragraph quadratic.
    QTextCursor edit(&document);
    edit.beginEditBlock();
    Parser parser(rtf.trimmed(), document, mDefaults, limit);
    const bool reached = parser.Run();
    edit.endEditBlock();
    return reached;
}

std::unique_ptr<QTextDocument> RtfReader::Read(QStringView rtf) const {
    auto document = std::make_unique<QTextDocument>();
    Read(rtf, *document);
    return document;
}
