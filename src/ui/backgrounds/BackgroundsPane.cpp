#include "ui/backgrounds/BackgroundsPane.h"

#include "model/BackgroundLibrary.h"
#include "ui/backgrounds/BackgroundTile.h"
#include "ui/backgrounds/BackgroundTileLayout.h"
#include "ui/common/PaneScrollBar.h"
#include "ui/panes/SidePaneLayout.h"

#include <QScrollBar>

#include <algorithm>

BackgroundsPane::BackgroundsPane(const BackgroundsPaneContext& context, QWidget* parent)
    : QWidget(parent), mContext(context) {
    mHScrollBar = MakePaneScrollBar(Qt::Horizontal, 0, this);
    mVScrollBar = MakePaneScrollBar(Qt::Vertical, 0, this);
    for (QScrollBar* bar : {mHScrollBar, mVScrollBar})
        connect(bar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

QScrollBar* BackgroundsPane::ScrollBar() const {
    return PaneScrollBarOf(mContext.View(), mHScrollBar, mVScrollBar);
}

BackgroundTile* BackgroundsPane::AddTile(const QString& key) {
    auto* tile = new BackgroundTile(mContext, this);
    tile->setObjectName(QStringLiteral("bgp") + QString::number(mCounter));
    tile->SetPage(mCounter, key);
    ++mCounter;
    mTiles.push_back(tile);
    mHScrollBar->raise();
    mVScrollBar->raise();
    return tile;
}

BackgroundTile* BackgroundsPane::FindTile(const QString& name) const {
    const auto found = std::find_if(mTiles.begin(), mTiles.end(), [&](const BackgroundTile* tile) {
        return tile->mFileName() == name;
    });
    return found == mTiles.end() ? nullptr : *found;
}

// A name listed twice gets one tile, so the tiles stand without gaps.
void BackgroundsPane::MakeMissingTiles() {
    for (const QString& name : mContext.library.Names())
        if (!FindTile(name))
            AddTile(name);
}

void BackgroundsPane::RefreshTiles() {
    MakeMissingTiles();
    UpdateScrollBar();
    update();
}

void BackgroundsPane::UpdateScrollBar() {
    QScrollBar* bar = ScrollBar();
    const int maximum = BackgroundScrollMaximum(mContext.View(), int(mTiles.size()), size());
    const QSignalBlocker quiet(bar);
    bar->setMaximum(std::max(0, maximum));
    bar->setVisible(maximum > 0);
}

void BackgroundsPane::PlaceTiles() {
    const int start = BackgroundScrollStart(ScrollBar()->value());
    for (BackgroundTile* tile : mTiles)
        tile->SetStart(start);
}

void BackgroundsPane::paintEvent(QPaintEvent*) {
    MakeMissingTiles();
    UpdateScrollBar();
    PlaceTiles();
}

void BackgroundsPane::Relayout() {
    PlacePaneScrollBar(mContext.View(), mHScrollBar, mVScrollBar, size(), SidePaneScrollBarRect);
    UpdateScrollBar();
    update();
}

void BackgroundsPane::resizeEvent(QResizeEvent*) { Relayout(); }
