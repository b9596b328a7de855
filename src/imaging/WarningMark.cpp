#include "imaging/WarningMark.h"

#include <QColor>
#include <QPainter>

#include <algorithm>

namespace {

void DrawFrame(QPainter& painter, const QRect& box, const QColor& colour) {
    const int x = box.x(), y = box.y(), w = box.width(), h = box.height();
    const int band = std::min({3, w, h});
    painter.fillRect(x, y, w, band, colour);
    painter.fillRect(x, y + h - band, w, band, colour);
    painter.fillRect(x, y, band, h, colour);
    painter.fillRect(x + w - band, y, band, h, colour);
}

} // namespace

void DrawWarningMark(QPainter& painter, const QRect& box, const QImage& marker) {
    if (!marker.isNull())
        painter.drawImage(box.topLeft(), marker);
    DrawFrame(painter, box, QColor(255, 255, 0));
}

void DrawMissingFileMark(QPainter& painter, const QRect& box, const QString& text) {
    painter.save();
    painter.fillRect(box, QColor(224, 224, 224));
    DrawFrame(painter, box, QColor(200, 40, 40));
    painter.setPen(QColor(160, 20, 20));
    painter.drawText(box.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}
