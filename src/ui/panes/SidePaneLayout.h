#pragma once

#include "ui/common/PaneView.h"

#include <QRect>
#include <QSize>

// Geometry of the side pane's children, in pixels of the pane, for the
// strip across the top and the column at the right.

// Toolbar buttons: 1 photos, 2 album, 3 backgrounds.
enum class SidePaneButton { Photos = 1, Album = 2, Backgrounds = 3 };

// The column's width for the pressed button.
int SidePaneColumnWidth(SidePaneButton pressed);

struct SidePaneRects {
    QRect toolbar;
    QRect photos;
    QRect backgrounds;
    QRect downloadButton;
    QRect album;
};

// The children's places in a pane of width x height. downloadButtonWidth is
// the button's width before this layout (it only matters in the strip).
SidePaneRects SidePaneLayout(PaneView view, int width, int height, int downloadButtonWidth);

// Pixels one scroll step moves the album and background tiles.
constexpr int kSidePaneScrollStep = 75;

// Scroll steps needed to show `total` pixels of tiles in `visible` pixels:
// (total - visible) / 75 rounded up (the rounding adds 0.499999 and rounds
// halves to even). Zero or less means no scroll bar.
int SidePaneScrollSteps(int total, int visible);

// The album's and the backgrounds pane's scroll bar: in the strip the
// horizontal bar along the bottom (full width, 3 pixels up from the bottom
// edge), in the column the vertical one along the right edge (full height,
// 3 pixels in from it).
QRect SidePaneScrollBarRect(PaneView view, QSize pane, int barThickness);
