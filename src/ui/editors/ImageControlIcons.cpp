#include "ui/editors/ImageControlIcons.h"

#include "ui/common/EditorToolbar.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int cSize = 20;
const QColor cInk(50, 50, 50);
const QColor cAccent(40, 110, 200);
const QColor cGreen(30, 140, 60);

void DrawLens(QPainter& p, bool plus) {
    p.setPen(QPen(cInk, 1.8));
    p.setBrush(QColor(235, 242, 250));
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
    p.setPen(QPen(cInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 12.5), QPointF(17.5, 17.5));
    p.setPen(QPen(cAccent, 1.8));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
    if (plus)
        p.drawLine(QPointF(8, 5), QPointF(8, 11));
}

// A three-quarter circle with an arrow head; counter-clockwise for left.
void DrawTurn(QPainter& p, bool left) {
    if (!left) {
        p.translate(cSize, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(cAccent, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 12, 12), 0, 270 * 16); // right, top, left, bottom
    QPainterPath head;
    head.moveTo(14.5, 16);
    head.lineTo(10, 12);
    head.lineTo(10, 20);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(cAccent);
    p.drawPath(head);
}

void DrawCheck(QPainter& p) {
    p.setPen(QPen(cGreen, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(3.5, 10.5), QPointF(8, 15), QPointF(16.5, 4.5)}));
}

} // namespace

QIcon ImageControlIcon(const QString& key) {
    if (key == QLatin1String("small") || key == QLatin1String("big"))
        return PaintedIcon(cSize, [&](QPainter& p) { DrawLens(p, key == QLatin1String("big")); });
    if (key == QLatin1String("rotateLeft") || key == QLatin1String("rotateRight"))
        return PaintedIcon(cSize,
                           [&](QPainter& p) { DrawTurn(p, key == QLatin1String("rotateLeft")); });
    if (key == QLatin1String("ok"))
        return PaintedIcon(cSize, DrawCheck);
    return {};
}
