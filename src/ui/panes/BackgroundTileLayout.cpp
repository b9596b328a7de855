#include "ui/panes/BackgroundTileLayout.h"

#include "ui/panes/SidePaneLayout.h"

namespace {

constexpr int kFirstTile = 10;
constexpr int kRowStep = 166;    // layout 1
constexpr int kColumnStep = 125; // layout 2

} // namespace

QRect BgTilePlace(int view, int index, int start) {
    if (view == 2)
        return QRect(kFirstTile, kFirstTile + index * kColumnStep - start, kBgTileWidth, kBgTileHeight);
    return QRect(kFirstTile + index * kRowStep - start, kFirstTile, kBgTileWidth, kBgTileHeight);
}

int BgScrollMaximum(int view, int count, QSize pane) {
    if (view == 2)
        return SidePaneScrollSteps(kColumnStep * count, pane.height());
    return SidePaneScrollSteps(kFirstTile + kRowStep * count, pane.width());
}

int BgScrollStart(int scrollValue) { return kSidePaneScrollStep * scrollValue; }

