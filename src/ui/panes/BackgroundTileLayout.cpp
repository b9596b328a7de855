#include "ui/panes/BackgroundTileLayout.h"

#include "ui/panes/SidePaneLayout.h"

namespace {

constexpr int kFirstTile = 10;
constexpr int kRowStep = 166;    // in the strip
constexpr int kColumnStep = 125; // in the column

} // namespace

QRect BgTilePlace(PaneView view, int index, int start) {
    if (view == PaneView::Column)
        return QRect(kFirstTile, kFirstTile + index * kColumnStep - start, kBgTileWidth,
                     kBgTileHeight);
    return QRect(kFirstTile + index * kRowStep - start, kFirstTile, kBgTileWidth, kBgTileHeight);
}

int BgScrollMaximum(PaneView view, int count, QSize pane) {
    if (view == PaneView::Column)
        return SidePaneScrollSteps(kColumnStep * count, pane.height());
    return SidePaneScrollSteps(kFirstTile + kRowStep * count, pane.width());
}

int BgScrollStart(int scrollValue) { return kSidePaneScrollStep * scrollValue; }
