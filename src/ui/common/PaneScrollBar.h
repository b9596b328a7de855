#pragma once

#include "ui/common/PaneView.h"

#include <QRect>
#include <QSize>

class QScrollBar;
class QWidget;

// The scroll bars of the side panes: a horizontal one for the strip and a
// vertical one for the column, of which only the view's own may show.

// A hidden bar named "mHScrollBar" or "mVScrollBar", from 0 to maximum,
// moving one step per click.
QScrollBar* MakePaneScrollBar(Qt::Orientation orientation, int maximum, QWidget* parent);

// Where a pane puts the bar of a view: (view, pane size, bar thickness).
using PaneScrollBarRect = QRect (*)(PaneView view, QSize pane, int barThickness);

// The bar a view uses: the vertical one in the column, else the horizontal one.
QScrollBar* PaneScrollBarOf(PaneView view, QScrollBar* horizontal, QScrollBar* vertical);

// Hides the bar the view does not use and places the other at its
// thickness; returns the view's bar.
QScrollBar* PlacePaneScrollBar(PaneView view, QScrollBar* horizontal, QScrollBar* vertical,
                               QSize pane, PaneScrollBarRect place);
