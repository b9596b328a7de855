#include "ui/common/PaneScrollBar.h"

#include <QScrollBar>

QScrollBar* MakePaneScrollBar(Qt::Orientation orientation, int maximum, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(orientation == Qt::Horizontal ? "mHScrollBar" : "mVScrollBar");
    bar->setRange(0, maximum);
    bar->setValue(0);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->hide();
    return bar;
}

QScrollBar* PaneScrollBarOf(PaneView view, QScrollBar* horizontal, QScrollBar* vertical) {
    return view == PaneView::Column ? vertical : horizontal;
}

QScrollBar* PlacePaneScrollBar(PaneView view, QScrollBar* horizontal, QScrollBar* vertical,
                               QSize pane, PaneScrollBarRect place) {
    QScrollBar* active = PaneScrollBarOf(view, horizontal, vertical);
    (active == horizontal ? vertical : horizontal)->hide();
    const QSize hint = active->sizeHint();
    const int thickness = active == vertical ? hint.width() : hint.height();
    active->setGeometry(place(view, pane, thickness));
    return active;
}
