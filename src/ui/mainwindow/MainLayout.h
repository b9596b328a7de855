#pragma once

#include "ui/common/PaneView.h"

#include <QRect>
#include <QSize>

// Geometry of the main window's four children, in client pixels.
namespace MainLayout {

inline constexpr int kStripHeight = 161;      // side pane as a strip across the top
inline constexpr int kColumnStartWidth = 310; // side pane column before it picks its width
inline constexpr int kSelectorWidth = 170;
inline constexpr int kSelectorHeight = 21;
inline constexpr int kPickerWidth = 170;
inline constexpr int kMinimumWidth = 640; // minimum tracking size
inline constexpr int kMinimumHeight = 400;
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kOuterFloorWidthTwips = 7500;
inline constexpr int kOuterFloorHeightTwips = 4500;

struct Input {
    int clientWidth = 0;
    int clientHeight = 0;
    PaneView paneView = PaneView::Strip;
    QSize selector{kSelectorWidth, kSelectorHeight};
    int pickerWidth = kPickerWidth;
    int columnWidth = kColumnStartWidth; // the pane's own width in the column
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
