#include "model/PhotoImageWindow.h"

#include "base/Rounding.h"

#include <algorithm>

PhotoWindow VisibleWindow(double pictureW, double pictureH, double boxW, double boxH,
                          double ratio) {
    if (boxW <= 0 || boxH <= 0)
        return {};
    if (pictureW / boxW < pictureH / boxH)
        return {ratio * pictureW, ratio * pictureW * boxH / boxW};
    return {ratio * pictureH * boxW / boxH, ratio * pictureH};
}

OffsetBounds WindowOffsetBounds(double pictureW, double pictureH, PhotoWindow window) {
    OffsetBounds bounds;
    bounds.highX = int(RoundHalfEven(pictureW - window.width) / 2);
    bounds.lowX = int(RoundHalfEven(window.width - pictureW) / 2);
    bounds.highY = int(RoundHalfEven(pictureH - window.height) / 2);
    bounds.lowY = int(RoundHalfEven(window.height - pictureH) / 2);
    return bounds;
}

QRect WindowRect(int pictureW, int pictureH, double x, double y, PhotoWindow window) {
    const auto edge = [](double value, int limit) {
        return int(std::clamp<int64_t>(RoundHalfEven(value), 0, limit));
    };
    const int left = edge(pictureW / 2.0 - x - window.width / 2.0, pictureW);
    const int right = edge(pictureW / 2.0 - x + window.width / 2.0, pictureW);
    const int top = edge(pictureH / 2.0 - y - window.height / 2.0, pictureH);
    const int bottom = edge(pictureH / 2.0 - y + window.height / 2.0, pictureH);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

ThumbType OptimalThumbType(int x, int y, const ThumbTypeLimits& limits) {
    if (x <= limits.smallW && y <= limits.smallH)
        return ThumbType::Small;
    if (x > limits.largeW || y > limits.largeH)
        return (x > limits.fullW || y > limits.fullH) ? ThumbType::Original : ThumbType::Large;
    return ThumbType::Medium;
}

QSize TurnedSize(QSize upright, int angle) {
    return IsQuarterTurned(angle) ? upright.transposed() : upright;
}
