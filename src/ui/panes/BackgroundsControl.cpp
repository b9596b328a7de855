#include "ui/panes/BackgroundsControl.h"

#include "model/BackgroundLibrary.h"
#include "ui/common/PaneScrollBar.h"
#include "ui/panes/BackgroundTile.h"
#include "ui/panes/BackgroundTileLayout.h"
#include "ui/panes/SidePaneLayout.h"

#include <QScrollBar>

#include <algorithm>

BackgroundsControl::BackgroundsControl(const BgPaneContext& context, QWidget* parent)
    : QWidget(parent), mContext(context) {
    mHScrollBar = MakePaneScrollBar(Qt::Horizontal, 0, this);
    mVScrollBar = MakePaneScrollBar(Qt::Vertical, 0, this);
    for (QScrollBar* bar : {mHScrollBar, mVScrollBar})
        connect(bar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

QScrollBar* BackgroundsControl::ScrollBar() const {
    return PaneScrollBarOf(mContext.View(), mHScrollBar, mVScrollBar);
}

BackgroundTile* BackgroundsControl::AddBgControl(const QString& key) {
    auto* tile = new BackgroundTile(mContext, this);
    tile->setObjectName(QStringLiteral("bgp") + QString::number(mCounter));
    tile->SetPage(mCounter, key);
    ++mCounter;
    mTiles.push_back(tile);
    mHScrollBar->raise();
    mVScrollBar->raise();
    return tile;
}

BackgroundTile* BackgroundsControl::FindBgControl(const QString& name) const {
    const auto found = std::find_if(mTiles.begin(), mTiles.end(), [&](const BackgroundTile* tile) {
        return tile->mFileName() == name;
    });
    return found == mTiles.end() ? nullptr : *found;
}

// A name listed twice gets one tile, so the tiles stand without gaps.
void BackgroundsControl::MakeMissingTiles() {
    for (const QString& name : mContext.library.Names())
        if (!FindBgControl(name))
            AddBgControl(name);
}

void BackgroundsControl::RefreshControl() {
    MakeMissingTiles();
    UpdateScrollBar();
    update();
}

void BackgroundsControl::UpdateScrollBar() {
    QScrollBar* bar = ScrollBar();
    const int maximum = BgScrollMaximum(mContext.View(), int(mTiles.size()), size());
    const QSignalBlocker quiet(bar);
    bar->setMaximum(std::max(0, maximum));
    bar->setVisible(maximum > 0);
}

void BackgroundsControl::PlaceTiles() {
    const int start = BgScrollStart(ScrollBar()->value());
    for (BackgroundTile* tile : mTiles)
        tile->SetStart(start);
}

void BackgroundsControl::paintEvent(QPaintEvent*) {
    MakeMissingTiles();
    UpdateScrollBar();
    PlaceTiles();
}

void BackgroundsControl::Relayout() {
    PlacePaneScrollBar(mContext.View(), mHScrollBar, mVScrollBar, size(), SidePaneScrollBarRect);
    UpdateScrollBar();
    update();
}

void BackgroundsControl::resizeEvent(QResizeEvent*) { Relayout(); }
