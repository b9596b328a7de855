#include "ui/bookview/BookToolbarIcons.h"

#include "ui/common/EditorToolbar.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

constexpr int Size = 24;
const QColor Ink(60, 60, 60);
const QColor Paper(250, 250, 250);
const QColor Accent(40, 110, 200);

void DrawSheet(QPainter& p, QRectF r) {
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Paper);
    p.drawRect(r);
}

void DrawArrow(QPainter& p, bool right) {
    QPainterPath path;
    const double tip = right ? 19 : 5, back = right ? 7 : 17;
    path.moveTo(tip, 12);
    path.lineTo(back, 4);
    path.lineTo(back, 20);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawPath(path);
}

void DrawPlus(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(Accent, 2.4));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
}

void DrawPicture(QPainter& p) {
    DrawSheet(p, QRectF(3, 3, 18, 14));
    QPainterPath hills;
    hills.moveTo(4, 16);
    hills.lineTo(9, 9);
    hills.lineTo(13, 13);
    hills.lineTo(16, 10);
    hills.lineTo(20, 16);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 160, 90));
    p.drawPath(hills);
    p.setPen(QPen(Accent, 2.4));
    p.drawLine(QPointF(12, 17), QPointF(12, 22));
    p.drawLine(QPointF(9, 19.5), QPointF(12, 22.5));
    p.drawLine(QPointF(15, 19.5), QPointF(12, 22.5));
}

void DrawBook(QPainter& p) {
    DrawSheet(p, QRectF(2.5, 5.5, 9.5, 13));
    DrawSheet(p, QRectF(12, 5.5, 9.5, 13));
    p.setPen(QPen(QColor(40, 150, 60), 2.4));
    p.drawLine(QPointF(7, 13), QPointF(10.5, 17));
    p.drawLine(QPointF(10.5, 17), QPointF(19, 8));
}

void DrawCross(QPainter& p) {
    p.setPen(QPen(QColor(190, 40, 40), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 7), QPointF(17, 17));
    p.drawLine(QPointF(17, 7), QPointF(7, 17));
}

QIcon Drawn(const std::function<void(QPainter&)>& draw) { return PaintedIcon(Size, draw); }

QIcon Fallback(const QString& key) {
    if (key == u"NewPage")
        return Drawn([](QPainter& p) {
            DrawSheet(p, QRectF(5.5, 2.5, 13, 19));
            DrawPlus(p, {12, 12}, 4.5);
        });
    if (key == u"one")
        return Drawn([](QPainter& p) { DrawSheet(p, QRectF(6.5, 3.5, 11, 17)); });
    if (key == u"two")
        return Drawn([](QPainter& p) {
            DrawSheet(p, QRectF(1.5, 5.5, 10.5, 13));
            DrawSheet(p, QRectF(12, 5.5, 10.5, 13));
        });
    if (key == u"PreviousPage")
        return Drawn([](QPainter& p) { DrawArrow(p, false); });
    if (key == u"NextPage")
        return Drawn([](QPainter& p) { DrawArrow(p, true); });
    if (key == u"Import")
        return Drawn(DrawPicture);
    if (key == u"Order")
        return Drawn(DrawBook);
    if (key == u"Delete")
        return Drawn(DrawCross);
    return QIcon();
}

QString ThemeName(const QString& key) {
    if (key == u"NewPage")
        return QStringLiteral("document-new");
    if (key == u"PreviousPage")
        return QStringLiteral("go-previous");
    if (key == u"NextPage")
        return QStringLiteral("go-next");
    if (key == u"Import")
        return QStringLiteral("document-import");
    if (key == u"Delete")
        return QStringLiteral("edit-delete");
    return QString(); // "one", "two" and "Order" have no fitting theme icon
}

} // namespace

QIcon BookToolbarIcon(const QString& key) {
    const QString name = ThemeName(key);
    if (!name.isEmpty() && QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return Fallback(key);
}
