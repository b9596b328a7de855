#include "ui/panes/SidePaneLayout.h"

#include "base/Rounding.h"

#include <algorithm>

namespace {

constexpr int kStripToolbarWidth = 49;
constexpr int kStripToolbarHeight = 109;
constexpr int kColumnToolbarWidth = 150;
constexpr int kColumnToolbarHeight = 50;
constexpr int kDownloadButtonWidth = 130;  // in the strip
constexpr int kDownloadButtonHeight = 161; // in the column

SidePaneRects StripLayout(int width, int height, int downloadButtonWidth) {
    SidePaneRects r;
    const int paneWidth = std::max(0, width - kStripToolbarWidth);
    r.toolbar = QRect(0, 0, kStripToolbarWidth, kStripToolbarHeight);
    r.photos = QRect(kStripToolbarWidth, 0, paneWidth, height);
    const int backgroundsWidth = std::max(0, width - kStripToolbarWidth - downloadButtonWidth);
    r.backgrounds = QRect(kStripToolbarWidth, 0, backgroundsWidth, height);
    r.downloadButton =
        QRect(kStripToolbarWidth + backgroundsWidth + 2, 0, kDownloadButtonWidth, height);
    r.album = QRect(kStripToolbarWidth, 0, paneWidth, height);
    return r;
}

SidePaneRects ColumnLayout(int width, int height) {
    SidePaneRects r;
    const int paneHeight = std::max(0, height - kColumnToolbarHeight);
    r.toolbar = QRect(width - kColumnToolbarWidth, 0, kColumnToolbarWidth, kColumnToolbarHeight);
    r.photos = QRect(0, kColumnToolbarHeight, width, paneHeight);
    r.downloadButton = QRect(0, height - kDownloadButtonHeight, width, kDownloadButtonHeight);
    const int backgroundsHeight = height - kColumnToolbarHeight - kDownloadButtonHeight;
    r.backgrounds =
        QRect(0, kColumnToolbarHeight, width, backgroundsHeight > 0 ? backgroundsHeight : 1);
    r.album = QRect(0, kColumnToolbarHeight, width, paneHeight);
    return r;
}

} // namespace

int SidePaneColumnWidth(SidePaneButton pressed) {
    switch (pressed) {
    case SidePaneButton::Album: return 327;
    case SidePaneButton::Backgrounds: return 193;
    case SidePaneButton::Photos: break;
    }
    return 163;
}

SidePaneRects SidePaneLayout(PaneView view, int width, int height, int downloadButtonWidth) {
    if (view == PaneView::Column)
        return ColumnLayout(width, height);
    return StripLayout(width, height, downloadButtonWidth);
}

QRect SidePaneScrollBarRect(PaneView view, QSize pane, int barThickness) {
    constexpr int inset = 3;
    if (view == PaneView::Column)
        return QRect(pane.width() - barThickness - inset, 0, barThickness, pane.height());
    return QRect(0, pane.height() - barThickness - inset, pane.width(), barThickness);
}

int SidePaneScrollSteps(int total, int visible) {
    return int(RoundHalfEven(double(total - visible) / kSidePaneScrollStep + 0.499999));
}
