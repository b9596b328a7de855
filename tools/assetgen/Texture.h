#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdint>

// Deterministic randomness and pixel effects shared by the painted pictures.
namespace Texture {

// A small seeded generator (splitmix64): the same seed gives the same picture.
class Rng {
public:
    explicit Rng(uint64_t seed) : mState(seed) {}
    uint64_t Next();
    double Uniform() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double low, double high) { return low + (high - low) * Uniform(); }
    int Int(int low, int high) { return low + int(Next() % uint64_t(high - low + 1)); }

private:
    uint64_t mState;
};

// Smooth noise in [0, 1], one lattice cell per `cell` pixels.
float ValueNoise(float x, float y, float cell, uint32_t seed);

// Adds a per-pixel offset to every channel: uniform grain of +-amount plus
// `cloud` times cloudy value noise with cells of `cell` pixels.
void AddGrain(QImage& image, uint32_t seed, int amount, int cloud = 0, float cell = 200);

// Short, slightly bent strokes in the colour, like fibres in paper.
void Fibres(QPainter& painter, const QSize& size, Rng& rng, const QColor& colour, int count,
            double length);

// Soft round spots of the colour: a radial gradient fading to transparency.
void SoftSpot(QPainter& painter, const QPointF& centre, double radius, QColor colour);

} // namespace Texture
