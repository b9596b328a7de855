#include "Pictures.h"

#include "Texture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

namespace {

// Page geometry of the book, in mm.
constexpr double PageWidth = 289;
constexpr double PageHeight = 208;

enum class Scene { Hills, Sunset, Shore };

void DrawPhoto(QPainter& painter, const QRectF& box, Scene scene) {
    painter.save();
    painter.setPen(Qt::NoPen);
    const QColor skyTop = scene == Scene::Sunset ? QColor(250, 170, 110) : QColor(120, 182, 236);
    const QColor skyLow = scene == Scene::Sunset ? QColor(252, 222, 160) : QColor(206, 232, 250);
    QLinearGradient sky(box.topLeft(), box.bottomLeft());
    sky.setColorAt(0, skyTop);
    sky.setColorAt(1, skyLow);
    painter.fillRect(box, sky);
    painter.setBrush(scene == Scene::Sunset ? QColor(255, 244, 210) : QColor(255, 226, 120));
    const double sun = box.height() * 0.13;
    painter.drawEllipse(QPointF(box.left() + box.width() * 0.72, box.top() + box.height() * 0.3),
                        sun, sun);
    const auto hill = [&](double start, double peak, double end, const QColor& colour) {
        QPainterPath path(QPointF(box.left(), box.top() + box.height() * start));
        path.cubicTo(QPointF(box.left() + box.width() * 0.3, box.top() + box.height() * peak),
                     QPointF(box.left() + box.width() * 0.6, box.top() + box.height() * peak),
                     QPointF(box.right(), box.top() + box.height() * end));
        path.lineTo(box.bottomRight());
        path.lineTo(box.bottomLeft());
        painter.setBrush(colour);
        painter.drawPath(path);
    };
    if (scene == Scene::Shore) {
        painter.fillRect(
            QRectF(box.left(), box.top() + box.height() * 0.55, box.width(), box.height() * 0.45),
            QColor(70, 150, 190));
        hill(0.9, 0.72, 0.78, QColor(240, 222, 180));
    } else {
        const bool sunset = scene == Scene::Sunset;
        hill(0.62, 0.45, 0.7, sunset ? QColor(170, 110, 150) : QColor(128, 190, 110));
        hill(0.85, 0.62, 0.66, sunset ? QColor(110, 70, 120) : QColor(80, 150, 80));
    }
    painter.restore();
}

void DrawTextLines(QPainter& painter, const QRectF& box, int lines) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 190, 196));
    const double height = box.height() / (lines * 2 - 1);
    for (int i = 0; i < lines; ++i) {
        const double width = box.width() * (i == lines - 1 ? 0.6 : 1.0);
        painter.drawRoundedRect(QRectF(box.left(), box.top() + i * 2 * height, width, height),
                                height / 2, height / 2);
    }
    painter.restore();
}

// Draws a page in mm through the perspective that maps it onto the quad.
void DrawPage(QPainter& painter, const QPolygonF& quad, bool left) {
    const QPolygonF flat({QPointF(0, 0), QPointF(PageWidth, 0), QPointF(PageWidth, PageHeight),
                          QPointF(0, PageHeight)});
    QTransform toQuad;
    if (!QTransform::quadToQuad(flat, quad, toQuad))
        return;
    painter.save();
    painter.setTransform(toQuad, true);
    QLinearGradient paper(QPointF(left ? PageWidth : 0, 0), QPointF(left ? 0 : PageWidth, 0));
    paper.setColorAt(0, QColor(214, 210, 202));
    paper.setColorAt(0.12, QColor(250, 248, 244));
    paper.setColorAt(1, QColor(255, 255, 253));
    painter.fillRect(QRectF(0, 0, PageWidth, PageHeight), paper);
    if (left) {
        DrawPhoto(painter, QRectF(22, 18, 245, 142), Scene::Hills);
        DrawTextLines(painter, QRectF(40, 172, 210, 22), 2);
    } else {
        DrawPhoto(painter, QRectF(20, 18, 122, 118), Scene::Sunset);
        DrawPhoto(painter, QRectF(150, 18, 118, 80), Scene::Shore);
        DrawTextLines(painter, QRectF(152, 110, 116, 26), 3);
        DrawTextLines(painter, QRectF(20, 152, 248, 36), 3);
    }
    painter.restore();
}

} // namespace

namespace Pictures {

QImage ImageTooSmallMarker() {
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(QColor(42, 42, 46));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF triangle({QPointF(24, 6), QPointF(43, 40), QPointF(5, 40)});
    painter.setPen(QPen(QColor(255, 214, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 214, 0));
    painter.drawPolygon(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    painter.drawRoundedRect(QRectF(21.75, 15, 4.5, 15), 2.25, 2.25);
    painter.drawEllipse(QPointF(24, 35), 2.6, 2.6);
    return image;
}

QImage Introduction() {
    QImage image(480, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient backdrop(QPointF(0, 0), QPointF(0, 300));
    backdrop.setColorAt(0, QColor(226, 238, 250));
    backdrop.setColorAt(1, QColor(252, 246, 236));
    painter.fillRect(image.rect(), backdrop);
    Texture::SoftSpot(painter, QPointF(240, 262), 210, QColor(120, 110, 100, 70)); // shadow
    DrawOpenBook(painter);
    return image;
}

void DrawOpenBook(QPainter& painter) {
    // Cover, then the two pages meeting at the spine.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 84, 64));
    painter.drawPolygon(QPolygonF({QPointF(34, 86), QPointF(240, 76), QPointF(446, 86),
                                   QPointF(458, 240), QPointF(240, 232), QPointF(22, 240)}));
    const QPointF spineTop(240, 72);
    const QPointF spineBottom(240, 224);
    DrawPage(painter, QPolygonF({QPointF(46, 80), spineTop, spineBottom, QPointF(36, 232)}), true);
    DrawPage(painter, QPolygonF({spineTop, QPointF(434, 80), QPointF(444, 232), spineBottom}),
             false);
    painter.setPen(QPen(QColor(120, 110, 100, 120), 1.2));
    painter.drawLine(spineTop, spineBottom);
}

} // namespace Pictures
