#pragma once

#include "ui/common/PaneView.h"

#include <QRect>
#include <QSize>

// Geometry of the main window's four children, in client pixels.
namespace MainLayout {

inline constexpr int StripHeight = 161;      // side pane as a strip across the top
inline constexpr int ColumnStartWidth = 310; // side pane column before it picks its width
inline constexpr int SelectorWidth = 170;
inline constexpr int SelectorHeight = 21;
inline constexpr int PickerWidth = 170;
inline constexpr int MinimumWidth = 640; // minimum tracking size
inline constexpr int MinimumHeight = 400;
inline constexpr int TwipsPerPixel = 15;
inline constexpr int OuterFloorWidthTwips = 7500;
inline constexpr int OuterFloorHeightTwips = 4500;

struct Input {
    int clientWidth = 0;
    int clientHeight = 0;
    PaneView paneView = PaneView::Strip;
    QSize selector{SelectorWidth, SelectorHeight};
    int pickerWidth = PickerWidth;
    int columnWidth = ColumnStartWidth; // the pane's own width in the column
};

struct Result {
    QRect pane;     // mSidePane
    QRect selector; // mTemplateSelector
    QRect picker;   // mTemplatesPane
    QRect book;     // mBookView
};

Result Compute(const Input& in);

// The outer size raised to the floor of 7500 x 4500 twips.
QSize EnforceOuterFloor(QSize outerPixels);

} // namespace MainLayout
