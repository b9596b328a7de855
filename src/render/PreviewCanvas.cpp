#include "render/PreviewCanvas.h"

#include "base/LumbraError.h"
#include "render/PageRenderer.h"

#include <QFont>
#include <QPainter>

namespace {

const char* const cPromotionalLine = "Lumbra \u2014 made with Lumbra photo books";

QImage DrawCanvas() {
    QImage canvas(kPreviewCanvasSize, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect strip(0, kPreviewCanvasSize.height() - kPreviewStripHeight,
                      kPreviewCanvasSize.width(), kPreviewStripHeight);
    painter.drawText(strip, Qt::AlignCenter, QString::fromUtf8(cPromotionalLine));
    return canvas;
}

} // namespace

const QImage& PreviewCanvas() {
    static const QImage canvas = DrawCanvas();
    return canvas;
}

QImage ComposePreviewPage(const PageSnapshot& page, const PageRenderer& renderer,
                          QStringList* problems) {
    const QImage rendered = renderer.Render(page, kPreviewPageSize, RenderMode::Print, problems);
    QImage canvas = PreviewCanvas().copy();
    if (canvas.isNull())
        throw LumbraError(QStringLiteral("Cannot make the preview canvas"));
    QPainter(&canvas).drawImage(0, 0, rendered);
    return canvas;
}
