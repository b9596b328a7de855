#pragma once

#include "imaging/ThumbType.h"
#include "ui/common/PaneView.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Places of the photo tiles in the photos pane, and its scroll range. All
// sizes in pixels; in the strip one row scrolled sideways, in the column one
// column scrolled up and down. One scroll step moves the tiles by one place.

constexpr int kPhotoTileSize = 120;
constexpr int kPhotoTileStep = 130;

struct PhotoScrollRange {
    int maximum = 0;
    int value = 0;
    bool visible = false;
};

// The scroll bar after a change of the tile set or of the pane's length L
// (width in the strip, height in the column): n := round(tiles - (L - 10) / 130),
// halves to even; n < 1 hides the bar, otherwise its maximum is n + 1 and a
// value above n comes down to n.
PhotoScrollRange PhotoScrollRangeFor(int tileCount, int paneLength, int value);

// The pane's length that the scroll range follows in a view.
int PhotoPaneLength(PaneView view, QSize pane);

struct PhotoTilePlace {
    QRect tile;
    QPoint deleteButton; // top-left of the 15 x 15 button
};

// The place of the index-th tile (creation order, from 0) at scroll value v.
PhotoTilePlace PhotoTilePlaceFor(PaneView view, int index, int scrollValue);

// The thumbnail file a tile draws on a screen of that pixel density, and the
// box (device pixels) it is fitted to: the small file where it has pixels
// enough, else the medium one brought down to the tile's size.
struct PhotoTileThumb {
    ThumbType type = ThumbType::Small;
    QSize box; // empty: the file as it is
    bool operator==(const PhotoTileThumb&) const = default;
};
PhotoTileThumb PhotoTileThumbFor(double devicePixelRatio);

// False when the tile lies wholly outside the pane: it is hidden then.
bool PhotoTileShown(const QRect& tile, QSize pane);

// The scroll bar's place: the horizontal one along the bottom, the vertical
// one along the right edge, each 3 pixels in from the edges it runs along.
QRect PhotoScrollBarRect(PaneView view, QSize pane, int barThickness);
