#include "imaging/WarningMark.h"

#include <QColor>
#include <QPainter>

#include <algorithm>

void DrawWarningMark(QPainter& painter, const QRect& box, const QImage& marker) {
    if (!marker.isNull())
        painter.drawImage(box.topLeft(), marker);
    const QColor yellow(255, 255, 0);
    const int x = box.x(), y = box.y(), w = box.width(), h = box.height();
    const int band = std::min({3, w, h});
    painter.fillRect(x, y, w, band, yellow);
    painter.fillRect(x, y + h - band, w, band, yellow);
    painter.fillRect(x, y, band, h, yellow);
    painter.fillRect(x + w - band, y, band, h, yellow);
}
