#include "ui/common/PaneIcons.h"

#include "ui/common/EditorToolbar.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 28;
const QColor kInk(60, 60, 70);

void DrawPhotos(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(200, 225, 250));
    p.drawRoundedRect(QRectF(2.5, 5.5, 23, 17), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 60));
    p.drawEllipse(QPointF(19, 10.5), 2.5, 2.5);
    QPainterPath hills;
    hills.moveTo(4, 21);
    hills.lineTo(11, 12);
    hills.lineTo(16, 18);
    hills.lineTo(19, 15);
    hills.lineTo(24, 21);
    hills.closeSubpath();
    p.setBrush(QColor(80, 150, 90));
    p.drawPath(hills);
}

void DrawAlbum(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(2.5, 6.5, 11.5, 15));
    p.drawRect(QRectF(14, 6.5, 11.5, 15));
    p.setPen(QPen(QColor(150, 150, 160), 1));
    for (int row = 0; row < 3; ++row) {
        p.drawLine(QPointF(5, 10.5 + 3.5 * row), QPointF(11.5, 10.5 + 3.5 * row));
        p.drawLine(QPointF(16.5, 10.5 + 3.5 * row), QPointF(23, 10.5 + 3.5 * row));
    }
}

void DrawBackgrounds(QPainter& p) {
    p.setPen(Qt::NoPen);
    const QColor colours[2] = {QColor(230, 180, 120), QColor(170, 200, 230)};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            p.setBrush(colours[(row + col) % 2]);
            p.drawRect(QRectF(4 + 5 * col, 4 + 5 * row, 5, 5));
        }
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3.5, 3.5, 21, 21));
}

} // namespace

QIcon PaneIcon(const QString& key) {
    void (*draw)(QPainter&) = nullptr;
    if (key == QLatin1String("photos"))
        draw = DrawPhotos;
    else if (key == QLatin1String("album"))
        draw = DrawAlbum;
    else if (key == QLatin1String("backgrounds"))
        draw = DrawBackgrounds;
    if (!draw)
        return {};
    return PaintedIcon(kSize, draw);
}
