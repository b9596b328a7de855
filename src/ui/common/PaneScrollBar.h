#pragma once

#include <QRect>
#include <QSize>

class QScrollBar;
class QWidget;

// The scroll bars of the side panes: a horizontal one for layout 1 and a
// vertical one for layout 2, of which only the layout's own may show.

// A hidden bar named "mHScrollBar" or "mVScrollBar", from 0 to maximum,
// moving one step per click.
QScrollBar* MakePaneScrollBar(Qt::Orientation orientation, int maximum, QWidget* parent);

// Where a pane puts the bar of a layout: (view, pane size, bar thickness).
using PaneScrollBarRect = QRect (*)(int view, QSize pane, int barThickness);

// Hides the bar the layout does not use and places the other at its
// thickness; returns the layout's bar.
QScrollBar* PlacePaneScrollBar(int view, QScrollBar* horizontal, QScrollBar* vertical, QSize pane,
                               PaneScrollBarRect place);
