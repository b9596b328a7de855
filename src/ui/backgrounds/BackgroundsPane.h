#pragma once

#include "ui/backgrounds/BackgroundsPaneContext.h"

#include <QWidget>

#include <vector>

class QScrollBar;
class BackgroundTile;

// The backgrounds pane: one tile per background of the library, in a row
// (the strip) or a column. Tiles are made when the pane paints and
// stay for the whole run; tiles of backgrounds downloaded later are added by
// AddTile.
class BackgroundsPane : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundsPane(const BackgroundsPaneContext& context, QWidget* parent = nullptr);

    // Makes the tile "bgp<counter>" for the background and counts it.
    BackgroundTile* AddTile(const QString& key);
    // The first tile made for exactly this name, or null.
    BackgroundTile* FindTile(const QString& name) const;
    // Makes the tiles of backgrounds listed since the last paint and repaints.
    void RefreshTiles();
    BackgroundLibrary& Library() const { return mContext.library; }

    // Tiles in creation order.
    const std::vector<BackgroundTile*>& Tiles() const { return mTiles; }
    // The scroll bar of the present view.
    QScrollBar* ScrollBar() const;
    // Follows a change of view: scroll bars and tile places.
    void Relayout();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void MakeMissingTiles();
    void UpdateScrollBar();
    void PlaceTiles();

    BackgroundsPaneContext mContext;
    int mCounter = 0;
    std::vector<BackgroundTile*> mTiles;
    QScrollBar* mHScrollBar;
    QScrollBar* mVScrollBar;
};
