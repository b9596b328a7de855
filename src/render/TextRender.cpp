#include "render/TextRender.h"

#include "base/Rounding.h"
#include "render/rtf/RtfFontSizes.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kScreenDpi = 96;
constexpr double kRtfDefaultPoints = 12.0;
// Far beyond any page, and small enough that sums of box edges stay ints.
constexpr double kMaxBoxPixels = 1 << 28;
// Characters of a long text read at first, more than a page-wide box of
// 12-point text shows; each further try reads twice as many.
constexpr qsizetype kFirstReadChars = 4096;
// Layout positions are fractions; a line that ends this close to the edge fits.
constexpr double kEdgeSlack = 0.01;

int ToLayoutPixels(float mm, float ratio) {
    const float pixels = ratio * mm; // single precision, as the catalogue's values
    return static_cast<int>(std::clamp<int64_t>(RoundHalfEven(pixels), 1, 32767));
}

// A device that only tells the layout its resolution. Dots per metre are
// chosen so that the image reports exactly `dpi`.
QImage* LayoutDevice(int dpi) {
    static QImage screen = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(qRound(kScreenDpi / 0.0254));
        image.setDotsPerMeterY(qRound(kScreenDpi / 0.0254));
        return image;
    }();
    static QImage editor = [] {
        const int tripled = static_cast<int>(kTextSizeFactor) * kScreenDpi;
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(qRound(tripled / 0.0254));
        image.setDotsPerMeterY(qRound(tripled / 0.0254));
        return image;
    }();
    return dpi == kScreenDpi ? &screen : &editor;
}

std::unique_ptr<QTextDocument> LaidOut(std::unique_ptr<QTextDocument> document, int dpi,
                                       int width) {
    document->setDocumentMargin(0);
    document->documentLayout()->setPaintDevice(LayoutDevice(dpi));
    document->setTextWidth(width);
    return document;
}

// Reads text whose sizes are scaled for print as far as `limit` into a print
// layout `width` pixels wide; `reached` tells whether the limit was reached.
std::unique_ptr<QTextDocument> PrintDocument(const QString& scaledRtf, int width,
                                             RtfReadLimit limit = {}, bool* reached = nullptr) {
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    // Text without a size of its own is scaled like "\fs24".
    const RtfReader reader(RtfDefaults{QString(), kTextSizeFactor * kRtfDefaultPoints});
    const bool limited = reader.Read(scaledRtf, *document, limit);
    if (reached)
        *reached = limited;
    return LaidOut(std::move(document), kScreenDpi, width);
}

bool HoldsOnlyBlanks(const QTextDocument& document) {
    return document.toPlainText().trimmed().isEmpty();
}

// Whether `text`, however it goes on, is laid out left to right throughout:
// a character of a left-to-right script sets the direction, and none runs
// right to left or opens an embedding.
bool StaysLeftToRight(QStringView text) {
    bool left = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        switch (QChar::direction(code)) {
        case QChar::DirL: left = true; break;
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirPDI: return false;
        default: break;
        }
    }
    return left;
}

// Whether the last two lines of a document read only in part start below a
// box `height` tall. Lines break looking no further than the next line, so
// then every line the box shows is laid out as in the whole text.
bool EndsBelow(const QTextDocument& document, int height) {
    document.documentLayout()->documentSize(); // lays it out
    int seen = 0;
    for (QTextBlock block = document.lastBlock(); block.isValid(); block = block.previous()) {
        const QTextLayout* lines = block.layout();
        const int count = lines ? lines->lineCount() : 0;
        if (seen + count >= 2) {
            const double top = document.documentLayout()->blockBoundingRect(block).top();
            return top + lines->lineAt(count - 2 + seen).y() > height;
        }
        seen += count;
    }
    return false;
}

// The lines of a laid-out print document that do not fit a box `height` tall.
int CountCutLines(const QTextDocument& document, int height) {
    const double bottom = height + kEdgeSlack;
    if (document.size().height() <= bottom)
        return 0;
    int cut = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const double top = document.documentLayout()->blockBoundingRect(block).top();
        const QString text = block.text(); // once: it is built anew on every call
        for (int i = 0; lines && i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const bool blank =
                QStringView(text).mid(line.textStart(), line.textLength()).trimmed().isEmpty();
            if (!blank && top + line.y() + line.height() > bottom)
                ++cut; // blank lines below the box hide nothing
        }
    }
    return cut;
}

} // namespace

QSize TextLayoutSize(QSizeF boxMm, float pixelsPerMmX, float pixelsPerMmY) {
    return {ToLayoutPixels(static_cast<float>(boxMm.width()), pixelsPerMmX),
            ToLayoutPixels(static_cast<float>(boxMm.height()), pixelsPerMmY)};
}

QRect BoxPixelRect(const QRectF& boxMm, float sx, float sy) {
    auto scaled = [](double mm, float scale) {
        const double pixels = static_cast<float>(mm) * scale; // single precision, as the boxes
        if (std::isnan(pixels))
            return 0;
        return static_cast<int>(RoundHalfEven(std::clamp(pixels, -kMaxBoxPixels, kMaxBoxPixels)));
    };
    return {scaled(boxMm.x(), sx), scaled(boxMm.y(), sy), scaled(boxMm.width(), sx),
            scaled(boxMm.height(), sy)};
}

std::unique_ptr<QTextDocument> PrintLayoutDocument(const QString& rtf, QSize layoutSize) {
    return PrintDocument(ScaleRtfFontSizes(rtf, kTextSizeFactor), layoutSize.width());
}

BoxTextLayout::BoxTextLayout(const QString& rtf, QSizeF boxMm)
    : mRtf(ScaleRtfFontSizes(rtf, kTextSizeFactor)), mLayout(TextLayoutSize(boxMm)) {
    for (qsizetype chars = kFirstReadChars;; chars *= 2) {
        RtfReadLimit limit{chars < mRtf.size() ? chars : -1, false};
        bool reached = false;
        mDocument = PrintDocument(mRtf, mLayout.width(), limit, &reached);
        // Right-to-left text may turn a whole paragraph: it is read to its end.
        if (reached && !StaysLeftToRight(mDocument->lastBlock().text())) {
            limit.wholeParagraph = true;
            mDocument = PrintDocument(mRtf, mLayout.width(), limit, &reached);
        }
        mBlank = HoldsOnlyBlanks(*mDocument);
        mPartial = reached;
        if (!reached || (!mBlank && EndsBelow(*mDocument, mLayout.height())))
            return;
    }
}

BoxTextLayout::~BoxTextLayout() = default;
BoxTextLayout::BoxTextLayout(BoxTextLayout&&) noexcept = default;
BoxTextLayout& BoxTextLayout::operator=(BoxTextLayout&&) noexcept = default;

bool BoxTextLayout::Draw(QPainter& painter, const QRect& target) const {
    if (mBlank || target.isEmpty())
        return false;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(static_cast<double>(target.width()) / mLayout.width(),
                  static_cast<double>(target.height()) / mLayout.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(0, 0, mLayout.width(), mLayout.height());
    mDocument->documentLayout()->draw(&painter, context);
    painter.restore();
    return true;
}

int BoxTextLayout::CutLineCount() const {
    if (mCutLines >= 0)
        return mCutLines;
    if (mBlank)
        mCutLines = 0;
    else if (mPartial)
        mCutLines = CountCutLines(*PrintDocument(mRtf, mLayout.width()), mLayout.height());
    else
        mCutLines = CountCutLines(*mDocument, mLayout.height());
    return mCutLines;
}

bool BoxTextLayout::IsCut() const {
    // Lines of the part read that the box cuts are cut in the whole text too.
    if (mPartial && mCutLines < 0 && CountCutLines(*mDocument, mLayout.height()) > 0)
        return true;
    return CutLineCount() > 0;
}

QRectF BoxTextLayout::PrintedBounds() const {
    QRectF bounds;
    if (mBlank)
        return bounds;
    const QRectF box(0, 0, mLayout.width(), mLayout.height());
    for (QTextBlock block = mDocument->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const QPointF origin = mDocument->documentLayout()->blockBoundingRect(block).topLeft();
        const QString text = block.text();
        for (int i = 0; lines && i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            if (QStringView(text).mid(line.textStart(), line.textLength()).trimmed().isEmpty())
                continue;
            bounds |= line.naturalTextRect().translated(origin) & box;
        }
    }
    return bounds;
}

bool DrawBoxText(QPainter& painter, const QString& rtf, QSizeF boxMm, const QRect& target) {
    if (target.isEmpty())
        return false;
    return BoxTextLayout(rtf, boxMm).Draw(painter, target);
}

std::unique_ptr<QTextDocument> EditorDocument(const QString& rtf, QSizeF boxMm,
                                              const RtfDefaults& newText) {
    const bool empty = rtf.trimmed().isEmpty();
    const RtfReader reader(empty ? newText : RtfDefaults{QString(), kRtfDefaultPoints});
    return LaidOut(reader.Read(rtf), static_cast<int>(kTextSizeFactor) * kScreenDpi,
                   TextLayoutSize(boxMm).width());
}

double EditorDisplayScale(int boxWidthPx, QSizeF boxMm) {
    return static_cast<double>(boxWidthPx) / TextLayoutSize(boxMm).width();
}

RtfDefaults NewTextDefaults(const QString& family, int pointSize) {
    return RtfDefaults{family, pointSize >= 1 ? static_cast<double>(pointSize) : kRtfDefaultPoints};
}
