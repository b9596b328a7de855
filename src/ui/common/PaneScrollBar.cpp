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

QScrollBar* PlacePaneScrollBar(int view, QScrollBar* horizontal, QScrollBar* vertical, QSize pane,
                               PaneScrollBarRect place) {
    QScrollBar* active = view == 2 ? vertical : horizontal;
    (active == horizontal ? vertical : horizontal)->hide();
    const int thickness = view == 2 ? active->sizeHint().width() : active->sizeHint().height();
    active->setGeometry(place(view, pane, thickness));
    return active;
}
