#pragma once

#include "ui/common/PaneView.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// Arithmetic of the album overview: facing pairs of page thumbnails, their
// labels and places, the scroll range and the thumbnail drag payload.
//
// Pair c shows page r - 1 on the left and page r on the right, r = 2c, so
// pair 0 has only a right page. In the strip across the top the pairs stand
// side by side, in the column at the right one below the other.

constexpr int kAlbumPairSlots = 101; // at most 100 pages, so 51 pairs
constexpr QSize kAlbumPairSize{310, 136};
constexpr QSize kAlbumThumbSize{145, 104};
constexpr int kAlbumLeftThumbLeft = 10;
constexpr int kAlbumRightThumbLeft = 155;
constexpr int kAlbumThumbTop = 10;
constexpr int kAlbumStripTop = 5; // in the strip: the pairs' top
// A thumbnail renders its page at this size and draws it halved.
constexpr QSize kAlbumRenderSize{290, 208};

// Pairs a book of `pages` pages needs: pages \ 2 + 1.
int AlbumPairCount(int pages);

struct AlbumPairLabels {
    bool leftVisible = false;
    QString leftText;
    bool rightVisible = false;
    QString rightText;
    bool operator==(const AlbumPairLabels&) const = default;
};
// The page numbers (from 1) under the pair whose right page is r.
AlbumPairLabels AlbumLabelsOf(int r, int pages);

// The pair's top-left corner in the pane, tiles moved back by `offset` pixels.
QPoint AlbumPairPosition(PaneView view, int r, int offset);

// Scroll steps of 75 pixels needed to show all pairs in a pane of paneSize
// (its width in the strip, its height in the column); 0 or less: no scroll bar.
int AlbumScrollSteps(PaneView view, int pages, QSize paneSize);

// The scroll value (0 to steps) that shows the pair of page `pageIndex` in a
// pane of paneSize: `value` when the pair is in view already, else the
// nearest value that brings it in.
int AlbumScrollValueShowing(PaneView view, int pageIndex, QSize paneSize, int value, int steps);

// The pair highlighted while the book's left page index is leftPageIndex.
inline bool AlbumPairHighlighted(int r, int leftPageIndex) { return r == leftPageIndex + 1; }

// Drag payload of a thumbnail: "AlbumPageThumb_" and the page index.
QString AlbumThumbPayload(int index);
bool IsAlbumThumbPayload(const QString& text);
// The page index of a payload; empty when the text is no payload or what
// follows the prefix is not a plain decimal number.
std::optional<int> ParseAlbumThumbPayload(const QString& text);

// Moving pages by dragging a thumbnail (one page) or a pair (its pages) into
// the gap at either end of a pair: before its left thumbnail or after its
// right one in the strip, above or below both in the column. The index of the
// page the moved ones will stand before; empty outside the gaps.
std::optional<int> AlbumGapInsertIndex(PaneView view, QPoint at, int r, int pages);
// The pages the pair whose right page is r shows.
struct AlbumPageRange {
    int first = 0;
    int count = 0;
    bool operator==(const AlbumPageRange&) const = default;
};
AlbumPageRange AlbumPairPages(int r, int pages);

// Where a pair's two thumbnails stand (x in the pair).
struct AlbumThumbLefts {
    int left = kAlbumLeftThumbLeft;
    int right = kAlbumRightThumbLeft;
    bool operator==(const AlbumThumbLefts&) const = default;
};
// One step of the slide while text is dragged over the pair at x: over the
// left thumbnail (x <= its right edge) the left one moves towards -20, else
// the right one towards the pair's width - its width + 20, by up to `pixels`
// pixels, the other thumbnail following edge to edge. Empty at the end.
std::optional<AlbumThumbLefts> AlbumSlideStep(AlbumThumbLefts now, int x, int pixels);
