#pragma once

#include "ui/common/PaneView.h"

#include <QRect>
#include <QSize>

// Places of the background tiles in the backgrounds pane, and its scroll
// range. All sizes in pixels; in the strip one row scrolled sideways, in the
// column one column scrolled up and down. One scroll step moves the tiles 75
// pixels.

constexpr int kBackgroundTileWidth = 156;
constexpr int kBackgroundTileHeight = 115;

// Where a tile paints its background's small picture.
constexpr QRect kBackgroundTilePicture(5, 5, 145, 104);

// The place of the tile with this index when the tiles are scrolled by
// `start` pixels.
QRect BackgroundTilePlace(PaneView view, int index, int start);

// The scroll bar's maximum for `count` tiles in a pane of this size; the bar
// shows only while it is above 0.
int BackgroundScrollMaximum(PaneView view, int count, QSize pane);

// The pixels one scroll value moves the tiles.
int BackgroundScrollStart(int scrollValue);
