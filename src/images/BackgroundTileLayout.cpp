#include "images/BackgroundTileLayout.h"

#include "model/SidePaneLayout.h"

namespace {

constexpr int kFirstTile = 10;
constexpr int kRowStep = 166;    // layout 1
constexpr int kColumnStep = 125; // layout 2
constexpr int kBarInset = 3;

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

QRect BgScrollBarRect(int view, QSize pane, int barThickness) {
    if (view == 2)
        return QRect(pane.width() - barThickness - kBarInset, 0, barThickness, pane.height());
    return QRect(0, pane.height() - barThickness - kBarInset, pane.width(), barThickness);
}
