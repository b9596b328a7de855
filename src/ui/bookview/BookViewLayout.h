#pragma once

#include "ui/bookview/BookViewPaging.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

// Geometry of the book view, in pixels: the zoom list, the fit size, the
// scroll bars and where the pages, their numbers and delete buttons go.

namespace BookViewLayout {

constexpr int kSideMargin = 10;
constexpr int kScrollBarThickness = 17;
constexpr int kScrollSmallChange = 50;
constexpr int kZoomLevelCount = 13;

// Numerator of a zoom entry's scale in sixths (0 for the fit entry).
constexpr int ZoomSixths(int index) { return index > 0 && index < kZoomLevelCount ? index : 0; }
// "16%", "33%", ... "200%"; empty for the fit entry.
QString ZoomCaption(int index);
// round(pixels x index / 6), exactly, halves to even, as a 16-bit number.
int16_t ZoomedPixels(int pixels, int index);
// Halves to even, clamped to 16 bits.
int16_t Round16(double value);

// The view's own measures that the formulas read.
struct ViewMetrics {
    int width = 0;
    int height = 0;
    int toolbarHeight = 0;
    int labelHeight = 0;        // the page-number labels
    int deleteButtonHeight = 0; // the delete buttons
    PagesView mode = PagesView::TwoPages;

    // toolbar + 10 + label + delete button.
    int TopMargin() const { return toolbarHeight + 10 + labelHeight + deleteButtonHeight; }
};

// Entry 0: the largest page of the catalogue's shape that fits the view,
// per page shown. Empty when the view leaves no room.
QSize FitPageSize(const ViewMetrics& view, double pageWidthMm, double pageHeightMm);

struct ScrollBars {
    bool shown = false;
    QRect horizontal; // geometry in the view; empty when hidden
    QRect vertical;
    QRect corner; // where the two bars meet: covered, no page shows there
    int horizontalMaximum = 0;
    int verticalMaximum = 0;
    int horizontalPageStep = 0; // half the view's width
    int verticalPageStep = 0;   // half the view's height
};
// Shown only when the chosen page is wider than the fit page.
ScrollBars ScrollBarsFor(const ViewMetrics& view, QSize page, QSize fit);

// The bars' positions after a wheel turned by `angleDelta` (120 a notch,
// positive up or left), `notchPixels` a notch: the wheel scrolls down and up,
// with Shift (or a sideways wheel) left and right; kept within 0..maximum.
QPoint WheelScrolled(QPoint scroll, QPoint angleDelta, bool shift, QPoint maximum, int notchPixels);

struct PagePlaces {
    QPoint onePage, leftPage, rightPage;       // surfaces' top-left corners
    QPoint oneLabel, leftLabel, rightLabel;    // page numbers under the pages
    QPoint oneButton, leftButton, rightButton; // delete buttons above them
};
// scroll: the bars' positions (0 when hidden); labelWidth / buttonWidth: the
// widths of the number labels and delete buttons.
PagePlaces PlacePages(const ViewMetrics& view, QSize page, QSize fit, QPoint scroll, int labelWidth,
                      int buttonWidth);

} // namespace BookViewLayout

// One entry of the zoom list; width and height follow every resize.
struct ZoomLevel {
    QString caption;
    float scale = 0;
    int16_t width = 0;
    int16_t height = 0;
};
using ZoomTable = std::array<ZoomLevel, BookViewLayout::kZoomLevelCount>;

// The 13 entries with zero sizes; entry 0 gets fitCaption.
ZoomTable MakeZoomTable(const QString& fitCaption);
// Entry 0 := fit; entries 1..12 := the catalogue page's pixel size x n/6.
void SizeZoomTable(ZoomTable& table, QSize fit, int pageWidthPixel, int pageHeightPixel);
