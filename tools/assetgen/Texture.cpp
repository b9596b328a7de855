#include "Texture.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace Texture {

uint64_t Rng::Next() {
    uint64_t z = (mState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

uint32_t Hash(int x, int y, uint32_t seed) {
    uint32_t h = uint32_t(x) * 0x8DA6B343u ^ uint32_t(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    return h ^ (h >> 15);
}

float Lattice(int x, int y, uint32_t seed) { return float(Hash(x, y, seed) & 0xFFFF) / 65535.0f; }

float Smooth(float t) { return t * t * (3 - 2 * t); }

} // namespace

float ValueNoise(float x, float y, float cell, uint32_t seed) {
    const float fx = x / cell;
    const float fy = y / cell;
    const int ix = int(std::floor(fx));
    const int iy = int(std::floor(fy));
    const float tx = Smooth(fx - float(ix));
    const float ty = Smooth(fy - float(iy));
    const float top = Lattice(ix, iy, seed) * (1 - tx) + Lattice(ix + 1, iy, seed) * tx;
    const float bottom = Lattice(ix, iy + 1, seed) * (1 - tx) + Lattice(ix + 1, iy + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

void AddGrain(QImage& image, uint32_t seed, int amount, int cloud, float cell) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            int offset = amount ? int(Hash(x, y, seed) % uint32_t(2 * amount + 1)) - amount : 0;
            if (cloud) {
                const float coarse = ValueNoise(float(x), float(y), cell, seed + 1);
                const float fine = ValueNoise(float(x), float(y), cell / 2.7f, seed + 2);
                offset += int(std::lround((coarse * 0.65f + fine * 0.35f - 0.5f) * 2 * cloud));
            }
            const QRgb p = line[x];
            line[x] =
                qRgb(std::clamp(qRed(p) + offset, 0, 255), std::clamp(qGreen(p) + offset, 0, 255),
                     std::clamp(qBlue(p) + offset, 0, 255));
        }
    }
}

void Fibres(QPainter& painter, const QSize& size, Rng& rng, const QColor& colour, int count,
            double length) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const QPointF start(rng.Range(0, size.width()), rng.Range(0, size.height()));
        const double angle = rng.Range(0, 2 * M_PI);
        const double reach = length * rng.Range(0.4, 1.0);
        const QPointF end = start + QPointF(std::cos(angle), std::sin(angle)) * reach;
        const QPointF bend =
            (start + end) / 2 + QPointF(rng.Range(-1, 1), rng.Range(-1, 1)) * reach * 0.25;
        QPainterPath path(start);
        path.quadTo(bend, end);
        painter.setPen(QPen(colour, rng.Range(0.6, 1.6)));
        painter.drawPath(path);
    }
    painter.restore();
}

void SoftSpot(QPainter& painter, const QPointF& centre, double radius, QColor colour) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    colour.setAlpha(colour.alpha() / 2);
    gradient.setColorAt(0.55, colour);
    colour.setAlpha(0);
    gradient.setColorAt(1, colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace Texture
