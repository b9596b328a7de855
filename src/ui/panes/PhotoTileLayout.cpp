#include "ui/panes/PhotoTileLayout.h"

#include "base/Rounding.h"

#include <cmath>

namespace {

constexpr int kFirstTile = 10;
constexpr int kAcrossOffset = 20;      // tile's distance from the pane's edge
constexpr int kButtonAcrossOffset = 5; // delete button's distance from it
constexpr int kBarInset = 3;

} // namespace

PhotoScrollRange PhotoScrollRangeFor(int tileCount, int paneLength, int value) {
    const double overflow = tileCount - double(paneLength - kFirstTile) / kPhotoTileStep;
    const int64_t n = RoundHalfEven(overflow);
    if (n < 1)
        return {};
    return {int(n + 1), value > n ? int(n) : value, true};
}

int PhotoPaneLength(PaneView view, QSize pane) {
    return view == PaneView::Column ? pane.height() : pane.width();
}

PhotoTilePlace PhotoTilePlaceFor(PaneView view, int index, int scrollValue) {
    const int c = kFirstTile + (index - scrollValue) * kPhotoTileStep;
    if (view == PaneView::Column)
        return {QRect(kAcrossOffset, c, kPhotoTileSize, kPhotoTileSize),
                QPoint(kButtonAcrossOffset, c)};
    return {QRect(c, kAcrossOffset, kPhotoTileSize, kPhotoTileSize),
            QPoint(c, kButtonAcrossOffset)};
}

PhotoTileThumb PhotoTileThumbFor(double devicePixelRatio) {
    const int pixels = int(std::ceil(kPhotoTileSize * devicePixelRatio));
    if (pixels <= kPhotoTileSize)
        return {};
    return {ThumbType::Medium, QSize(pixels, pixels)};
}

bool PhotoTileShown(const QRect& tile, QSize pane) {
    return tile.intersects(QRect(QPoint(0, 0), pane));
}

QRect PhotoScrollBarRect(PaneView view, QSize pane, int barThickness) {
    if (view == PaneView::Column)
        return QRect(pane.width() - barThickness - kBarInset, 0, barThickness, pane.height());
    return QRect(0, pane.height() - barThickness - kBarInset, pane.width() - kBarInset,
                 barThickness);
}
