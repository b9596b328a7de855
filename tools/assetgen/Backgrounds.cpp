#include "Backgrounds.h"

#include "Texture.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <map>

using Texture::Rng;

namespace {

// Feature sizes are given for the full 2458-pixel width.
double Scale(const QSize& size) { return size.width() / 2458.0; }

QImage Filled(const QSize& size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Paper(const QSize& size, const QColor& base, const QColor& light, const QColor& dark,
             int fibres, uint32_t seed, int grain, int cloud) {
    QImage image = Filled(size, base);
    Rng rng(seed);
    {
        QPainter painter(&image);
        Texture::Fibres(painter, size, rng, light, fibres, 60 * Scale(size));
        Texture::Fibres(painter, size, rng, dark, fibres / 2, 45 * Scale(size));
    }
    Texture::AddGrain(image, seed, grain, cloud, float(260 * Scale(size)));
    return image;
}

QImage Cream(const QSize& size) {
    return Paper(size, QColor(246, 239, 224), QColor(255, 252, 244, 70), QColor(200, 186, 160, 40),
                 1800, 11, 3, 6);
}

QImage Kraft(const QSize& size) {
    return Paper(size, QColor(184, 148, 106), QColor(214, 184, 146, 80), QColor(120, 90, 60, 60),
                 5000, 23, 6, 10);
}

// Woven threads: every row and every column has its own shade.
QImage Linen(const QSize& size) {
    QImage image = Filled(size, QColor(232, 226, 214));
    Rng rng(37);
    std::vector<int> rows(size.height()), columns(size.width());
    for (int& r : rows)
        r = rng.Int(-9, 9);
    for (int& c : columns)
        c = rng.Int(-9, 9);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int shade = ((x + y) % 2 ? rows[y] : columns[x]) + (rows[y] + columns[x]) / 3;
            const QRgb p = line[x];
            line[x] = qRgb(qRed(p) + shade, qGreen(p) + shade, qBlue(p) + shade);
        }
    }
    Texture::AddGrain(image, 37, 2, 5, float(300 * Scale(size)));
    return image;
}

QImage Gradient(const QSize& size, const QPointF& from, const QPointF& to,
                std::initializer_list<std::pair<double, QColor>> stops, uint32_t seed) {
    QImage image = Filled(size, Qt::white);
    {
        QPainter painter(&image);
        QLinearGradient gradient(from, to);
        for (const auto& [at, colour] : stops)
            gradient.setColorAt(at, colour);
        painter.fillRect(image.rect(), gradient);
    }
    Texture::AddGrain(image, seed, 2);
    return image;
}

QImage Dawn(const QSize& size) {
    return Gradient(
        size, QPointF(0, 0), QPointF(size.width(), size.height()),
        {{0, QColor(251, 214, 182)}, {0.5, QColor(238, 203, 226)}, {1, QColor(190, 204, 240)}}, 41);
}

QImage Sea(const QSize& size) {
    QImage image = Gradient(
        size, QPointF(0, 0), QPointF(0, size.height()),
        {{0, QColor(226, 245, 243)}, {0.6, QColor(160, 210, 214)}, {1, QColor(112, 176, 192)}}, 43);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Texture::SoftSpot(painter, QPointF(size.width() * 0.72, size.height() * 0.18),
                      size.height() * 0.55, QColor(255, 255, 250, 90));
    return image;
}

QImage Mint(const QSize& size) {
    QImage image = Filled(size, QColor(214, 240, 226));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 170));
        const double step = 96 * Scale(size);
        const double radius = 17 * Scale(size);
        int row = 0;
        for (double y = step / 2; y < size.height() + step; y += step * 0.866, ++row)
            for (double x = (row % 2) * step / 2; x < size.width() + step; x += step)
                painter.drawEllipse(QPointF(x, y), radius, radius);
    }
    Texture::AddGrain(image, 47, 2);
    return image;
}

QImage Sand(const QSize& size) {
    QImage image = Filled(size, QColor(242, 231, 211));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(228, 212, 184), 34 * Scale(size)));
        const double step = 96 * Scale(size);
        for (double x = -size.height(); x < size.width(); x += step)
            painter.drawLine(QPointF(x, size.height()), QPointF(x + size.height(), 0));
    }
    Texture::AddGrain(image, 53, 3, 4, float(400 * Scale(size)));
    return image;
}

// Squared paper: 5 mm squares of a page printed at 8.5 pixels per mm.
QImage Notebook(const QSize& size) {
    QImage image = Filled(size, QColor(251, 251, 246));
    {
        QPainter painter(&image);
        const double step = 42.5 * Scale(size);
        const QPen thin(QColor(200, 220, 236), 1.6 * Scale(size));
        const QPen thick(QColor(170, 198, 224), 3.2 * Scale(size));
        int index = 0;
        for (double x = step; x < size.width(); x += step, ++index) {
            painter.setPen(index % 5 == 4 ? thick : thin);
            painter.drawLine(QPointF(x, 0), QPointF(x, size.height()));
        }
        index = 0;
        for (double y = step; y < size.height(); y += step, ++index) {
            painter.setPen(index % 5 == 4 ? thick : thin);
            painter.drawLine(QPointF(0, y), QPointF(size.width(), y));
        }
    }
    Texture::AddGrain(image, 59, 2);
    return image;
}

// Watercolour: overlapping washes of pink and peach.
QImage Rose(const QSize& size) {
    QImage image = Filled(size, QColor(252, 242, 241));
    Rng rng(61);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor washes[] = {QColor(240, 170, 180), QColor(246, 196, 170),
                                 QColor(226, 160, 196)};
        for (int i = 0; i < 70; ++i) {
            QColor colour = washes[i % 3];
            colour.setAlpha(rng.Int(18, 46));
            Texture::SoftSpot(painter,
                              QPointF(rng.Range(0, size.width()), rng.Range(0, size.height())),
                              rng.Range(160, 520) * Scale(size), colour);
        }
    }
    Texture::AddGrain(image, 61, 2, 5, float(180 * Scale(size)));
    return image;
}

QImage Slate(const QSize& size) {
    QImage image = Filled(size, Qt::black);
    {
        QPainter painter(&image);
        QRadialGradient gradient(QPointF(size.width() / 2.0, size.height() * 0.45),
                                 size.width() * 0.7);
        gradient.setColorAt(0, QColor(98, 110, 120));
        gradient.setColorAt(1, QColor(44, 52, 58));
        painter.fillRect(image.rect(), gradient);
    }
    Texture::AddGrain(image, 67, 4, 7, float(220 * Scale(size)));
    return image;
}

QImage Meadow(const QSize& size) {
    QImage image = Gradient(size, QPointF(0, 0), QPointF(size.width() * 0.3, size.height()),
                            {{0, QColor(246, 248, 222)}, {1, QColor(200, 228, 176)}}, 71);
    Rng rng(71);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i)
        Texture::SoftSpot(painter, QPointF(rng.Range(0, size.width()), rng.Range(0, size.height())),
                          rng.Range(40, 150) * Scale(size), QColor(255, 255, 236, rng.Int(40, 90)));
    return image;
}

using Painter = std::function<QImage(const QSize&)>;

const std::map<QString, Painter>& Painters() {
    static const std::map<QString, Painter> painters = {
        {QStringLiteral("cream"), Cream},   {QStringLiteral("kraft"), Kraft},
        {QStringLiteral("linen"), Linen},   {QStringLiteral("dawn"), Dawn},
        {QStringLiteral("sea"), Sea},       {QStringLiteral("mint"), Mint},
        {QStringLiteral("sand"), Sand},     {QStringLiteral("notebook"), Notebook},
        {QStringLiteral("rose"), Rose},     {QStringLiteral("slate"), Slate},
        {QStringLiteral("meadow"), Meadow},
    };
    return painters;
}

} // namespace

namespace Backgrounds {

QStringList Names() {
    QStringList names;
    for (const auto& entry : Painters())
        names << entry.first;
    return names;
}

QImage Paint(const QString& name, const QSize& size) {
    const auto found = Painters().find(name);
    return found == Painters().end() ? QImage() : found->second(size);
}

} // namespace Backgrounds
