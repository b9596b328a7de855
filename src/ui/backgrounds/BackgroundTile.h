#pragma once

#include "model/BackgroundApply.h"
#include "ui/backgrounds/BackgroundsPaneContext.h"
#include "ui/common/TilePicture.h"

#include <QImage>
#include <QWidget>

class QAction;
class QMenu;
class QMimeData;

// One tile of the backgrounds pane: the background's small picture, decoded
// on the thread pool (the tile is blank until it arrives). The left button
// drags "bg:" and the background's name onto a page; the right button offers
// to put the background on all, the even or the odd pages of the book, or to
// take every background off.
class BackgroundTile : public QWidget {
    Q_OBJECT
public:
    BackgroundTile(const BackgroundsPaneContext& context, QWidget* parent);

    // Hides the tile, takes its index and background and starts decoding the
    // background's "_sm.jpg"; PictureLoaded follows (no picture when that
    // fails). A picture still coming for the previous background is dropped.
    void SetPage(int aPageNum, const QString& FileName);
    // Places the tile (156 x 115) for the tiles scrolled by aLeftStart pixels
    // and shows it.
    void SetStart(int aLeftStart);

    const QString& mFileName() const { return mName; }
    int Index() const { return mIndex; }
    // Null until the small picture arrived, or when it could not be read.
    const QImage& Picture() const { return mPicture.Image(); }
    bool PicturePending() const { return mPicture.GetState() == TilePicture::State::Loading; }

    // The drag payload: "bg:" and the name as plain text.
    QMimeData* MakeDragData() const;
    // Sets the captions from the language strings; the right button does
    // this, then opens the menu.
    QMenu* PreparePopupMenu();
    QMenu* PopupMenu() const { return mMenu; }
    // A menu command: the background on those pages of the current book,
    // then one save. A failed save is dropped; the pages keep the background.
    void ApplyToPages(BackgroundPages which);
    // The last menu item: every page of the current book without a background.
    void RemoveFromAllPages();

signals:
    // The small picture of the present background arrived (or could not be
    // read) and the tile repaints.
    void pictureLoaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QAction* AddMenuItem(const char* name, BackgroundPages which);
    QString Caption(const char* key) const;

    BackgroundsPaneContext mContext;
    int mIndex = 0;
    QString mName;
    TilePicture mPicture;
    QMenu* mMenu;
    QAction* mDefaultAction;
    QAction* mLeftBackgroundAction;
    QAction* mRightBackgroundAction;
};
