#include "SamplePhotos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

struct Scene {
    QColor skyTop, skyBottom, sun, farHill, nearHill;
};

const Scene Scenes[] = {
    {QColor(40, 90, 170), QColor(170, 210, 240), QColor(255, 236, 160), QColor(90, 130, 110),
     QColor(50, 100, 60)},
    {QColor(60, 40, 110), QColor(250, 150, 90), QColor(255, 210, 120), QColor(120, 70, 90),
     QColor(60, 40, 60)},
    {QColor(20, 120, 160), QColor(200, 235, 230), QColor(255, 255, 230), QColor(200, 180, 120),
     QColor(30, 110, 150)},
    {QColor(110, 150, 190), QColor(230, 230, 225), QColor(255, 250, 240), QColor(150, 150, 160),
     QColor(240, 240, 245)},
};

QPainterPath Hill(const QSize& size, double baseline, double amplitude, double phase) {
    QPainterPath path;
    const double w = size.width(), h = size.height();
    path.moveTo(0, h);
    for (int i = 0; i <= 40; ++i) {
        const double x = w * i / 40.0;
        const double y = h * baseline - h * amplitude * std::sin(phase + i * 0.25) *
                                            std::cos(phase * 0.5 + i * 0.11);
        path.lineTo(x, y);
    }
    path.lineTo(w, h);
    path.closeSubpath();
    return path;
}

} // namespace

namespace SamplePhotos {

QImage Paint(int n, const QSize& size) {
    const Scene& s = Scenes[n % 4];
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height() * 0.7);
    sky.setColorAt(0, s.skyTop);
    sky.setColorAt(1, s.skyBottom);
    p.fillRect(image.rect(), sky);
    const QPointF sunAt(size.width() * (0.2 + 0.15 * (n % 5)), size.height() * 0.3);
    const double r = size.height() * 0.09;
    QRadialGradient glow(sunAt, r * 3);
    glow.setColorAt(0, s.sun);
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sunAt, r * 3, r * 3);
    p.setBrush(s.sun);
    p.drawEllipse(sunAt, r, r);
    p.setBrush(s.farHill);
    p.drawPath(Hill(size, 0.62, 0.08, n * 1.3));
    p.setBrush(s.nearHill);
    p.drawPath(Hill(size, 0.8, 0.06, n * 2.1 + 1));
    return image;
}

} // namespace SamplePhotos
