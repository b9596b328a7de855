#pragma once

#include "imaging/ThumbType.h"

#include <QRect>
#include <QSize>

// The arithmetic of a photo in its box: which window of the (rotated)
// picture a box shows, how far it may move, and which thumbnail to draw.

// Window size in the unit of the picture size W x H.
struct PhotoWindow {
    double width = 0;
    double height = 0;
};

// The window with the box's proportions (box in mm) at zoom `ratio`.
PhotoWindow VisibleWindow(double pictureW, double pictureH, double boxW, double boxH, double ratio);

// The size of an upright picture turned by `angle` degrees.
QSize TurnedSize(QSize upright, int angle);

// Bounds of the offsets X and Y; each lowest is the negated highest.
struct OffsetBounds {
    int lowX = 0;
    int highX = 0;
    int lowY = 0;
    int highY = 0;
};

OffsetBounds WindowOffsetBounds(double pictureW, double pictureH, PhotoWindow window);

// The window of a W x H picture at offset (x, y) as whole-pixel edges,
// top-down, kept inside the picture.
QRect WindowRect(int pictureW, int pictureH, double x, double y, PhotoWindow window);

// Size limits of the thumbnail choice.
struct ThumbTypeLimits {
    int smallW, smallH; // Small up to this size
    int largeW, largeH; // beyond this: Large or Original
    int fullW, fullH;   // beyond this: Original
};

constexpr ThumbTypeLimits kPhotoThumbLimits{120, 120, 400, 400, 850, 850};
constexpr ThumbTypeLimits kBackgroundThumbLimits{145, 104, 800, 576, 1127, 811};

// The file to draw x x y pixels from.
ThumbType OptimalThumbType(int x, int y, const ThumbTypeLimits& limits);

// True when the angle exchanges width and height.
inline bool IsQuarterTurned(int angle) { return angle % 180 != 0; }
