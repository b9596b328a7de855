#include "ui/backgrounds/BackgroundTileLayout.h"

#include "ui/panes/SidePaneLayout.h"

namespace {

constexpr int kFirstTile = 10;
constexpr int kRowStep = 166;    // in the strip
constexpr int kColumnStep = 125; // in the column

} // namespace

QRect BackgroundTilePlace(PaneView view, int index, int start) {
    if (view == PaneView::Column)
        return QRect(kFirstTile, kFirstTile + index * kColumnStep - start, kBackgroundTileWidth,
                     kBackgroundTileHeight);
    return QRect(kFirstTile + index * kRowStep - start, kFirstTile, kBackgroundTileWidth,
                 kBackgroundTileHeight);
}

int BackgroundScrollMaximum(PaneView view, int count, QSize pane) {
    if (view == PaneView::Column)
        return SidePaneScrollSteps(kColumnStep * count, pane.height());
    return SidePaneScrollSteps(kFirstTile + kRowStep * count, pane.width());
}

int BackgroundScrollStart(int scrollValue) { return kSidePaneScrollStep * scrollValue; }
