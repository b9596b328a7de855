#include "render/TextRender.h"

#include "base/Rounding.h"
#include "render/rtf/RtfFontSizes.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

constexpr int cScreenDpi = 96;
constexpr double cRtfDefaultPoints = 12.0;
// Far beyond any page, and small enough that sums of box edges stay ints.
constexpr double cMaxBoxPixels = 1 << 28;

int ToLayoutPixels(float mm, float ratio) {
    const float pixels = ratio * mm; // single precision, as the catalogue's values
    return static_cast<int>(std::clamp<int64_t>(RoundHalfEven(pixels), 1, 32767));
}

// A device that only tells the layout its resolution. Dots per metre are
// chosen so that the image reports exactly `dpi`.
QImage* LayoutDevice(int dpi) {
    static QImage screen = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(qRound(cScreenDpi / 0.0254));
        image.setDotsPerMeterY(qRound(cScreenDpi / 0.0254));
        return image;
    }();
    static QImage editor = [] {
        const int tripled = static_cast<int>(cTextSizeFactor) * cScreenDpi;
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(qRound(tripled / 0.0254));
        image.setDotsPerMeterY(qRound(tripled / 0.0254));
        return image;
    }();
    return dpi == cScreenDpi ? &screen : &editor;
}

std::unique_ptr<QTextDocument> LaidOut(std::unique_ptr<QTextDocument> document, int dpi,
                                       int width) {
    document->setDocumentMargin(0);
    document->documentLayout()->setPaintDevice(LayoutDevice(dpi));
    document->setTextWidth(width);
    return document;
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
        return static_cast<int>(RoundHalfEven(std::clamp(pixels, -cMaxBoxPixels, cMaxBoxPixels)));
    };
    return {scaled(boxMm.x(), sx), scaled(boxMm.y(), sy), scaled(boxMm.width(), sx),
            scaled(boxMm.height(), sy)};
}

std::unique_ptr<QTextDocument> PrintLayoutDocument(const QString& rtf, QSize layoutSize) {
    // Text without a size of its own is scaled like "\fs24".
    const RtfReader reader(RtfDefaults{QString(), cTextSizeFactor * cRtfDefaultPoints});
    return LaidOut(reader.Read(ScaleRtfFontSizes(rtf, cTextSizeFactor)), cScreenDpi,
                   layoutSize.width());
}

bool DrawBoxText(QPainter& painter, const QString& rtf, QSizeF boxMm, const QRect& target) {
    if (target.isEmpty())
        return false;
    const QSize layout = TextLayoutSize(boxMm);
    const std::unique_ptr<QTextDocument> document = PrintLayoutDocument(rtf, layout);
    if (document->toPlainText().trimmed().isEmpty())
        return false;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(static_cast<double>(target.width()) / layout.width(),
                  static_cast<double>(target.height()) / layout.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(0, 0, layout.width(), layout.height());
    document->documentLayout()->draw(&painter, context);
    painter.restore();
    return true;
}

std::unique_ptr<QTextDocument> EditorDocument(const QString& rtf, QSizeF boxMm,
                                              const RtfDefaults& newText) {
    const bool empty = rtf.trimmed().isEmpty();
    const RtfReader reader(empty ? newText : RtfDefaults{QString(), cRtfDefaultPoints});
    return LaidOut(reader.Read(rtf), static_cast<int>(cTextSizeFactor) * cScreenDpi,
                   TextLayoutSize(boxMm).width());
}

double EditorDisplayScale(int boxWidthPx, QSizeF boxMm) {
    return static_cast<double>(boxWidthPx) / TextLayoutSize(boxMm).width();
}

RtfDefaults NewTextDefaults(const QString& family, int pointSize) {
    return RtfDefaults{family, pointSize >= 1 ? static_cast<double>(pointSize) : cRtfDefaultPoints};
}
