#include "ui/mainwindow/MainLayout.h"

#include <algorithm>

namespace MainLayout {

namespace {

int NotNegative(int value) { return std::max(value, 0); }

// Selector under the strip or in the top-left corner beside the column,
// the picker under the selector; the rest is the book view's.
Result StripAcrossTheTop(const Input& in) {
    Result r;
    const int w = in.clientWidth;
    const int h = in.clientHeight;
    r.pane = QRect(0, 0, w, kStripHeight);
    r.selector = QRect(QPoint(0, r.pane.height() + 1), in.selector);
    const int pickerTop = r.selector.top() + r.selector.height() + 1;
    const int pickerHeight = h - pickerTop < 0 ? 20 : h - pickerTop;
    r.picker = QRect(r.selector.left(), pickerTop, in.pickerWidth, pickerHeight);
    const int bookTop = r.pane.height();
    r.book = QRect(r.selector.left() + r.selector.width() + 1, bookTop,
                   NotNegative(w - r.selector.width()), NotNegative(h - bookTop));
    return r;
}

Result ColumnAtTheRight(const Input& in) {
    Result r;
    const int w = in.clientWidth;
    const int h = in.clientHeight;
    r.pane = QRect(w - in.columnWidth, 0, in.columnWidth, h);
    r.selector = QRect(QPoint(0, 0), in.selector);
    const int pickerTop = r.selector.top() + r.selector.height() + 1;
    r.picker = QRect(r.selector.left(), pickerTop, in.pickerWidth, NotNegative(h - pickerTop));
    r.book = QRect(r.selector.left() + r.selector.width() + 1, 0,
                   NotNegative(w - r.selector.width() - r.pane.width()), h);
    return r;
}

} // namespace

Result Compute(const Input& in) {
    return in.paneView == PaneView::Column ? ColumnAtTheRight(in) : StripAcrossTheTop(in);
}

QSize EnforceOuterFloor(QSize outerPixels) {
    const int floorWidth = kOuterFloorWidthTwips / kTwipsPerPixel;
    const int floorHeight = kOuterFloorHeightTwips / kTwipsPerPixel;
    return {std::max(outerPixels.width(), floorWidth), std::max(outerPixels.height(), floorHeight)};
}

} // namespace MainLayout
