#pragma once

#include "ui/common/TilePicture.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <memory>

class PhotoTileDeleteButton;
class PhotoImage;
class QMimeData;

// One photo tile of the photos pane: the photo's thumbnail, centred,
// in a thin frame. The thumbnail is decoded on the thread pool the first
// time the tile paints; until it arrives the tile shows only its frame.
// Pressing the left button drags the photo's key away.
class PhotoTile : public QWidget {
    Q_OBJECT
public:
    explicit PhotoTile(QWidget* parent);

    // The thumbnail is read once per photo key, when first needed; a
    // thumbnail still coming for another key is dropped.
    void SetPhoto(const std::shared_ptr<PhotoImage>& aPhoto, const QString& tileName);
    const std::shared_ptr<PhotoImage>& GetPhoto() const { return mPhoto; }
    QString TileName() const { return objectName(); }
    void SetPos(int x, int y, int aWidth, int aHeight) { setGeometry(x, y, aWidth, aHeight); }
    void SetPhotoMgr(PhotoTileDeleteButton* aPhotoMgr);
    PhotoTileDeleteButton* GetPhotoMgr() const;

    // The drag payload: the photo's key as plain text.
    QMimeData* MakeDragData() const;
    // Deletes the tile once no drag from it is running.
    void Discard();
    // Starts reading the thumbnail unless it is read or being read: the file
    // and size that suit the screen's pixel density (PhotoTileThumbFor).
    void LoadThumbnail();
    void LoadThumbnailFor(double devicePixelRatio);
    // The thumbnail (device pixels, with its pixel ratio); null until it arrived, or when it cannot
    // be read.
    const QImage& Thumbnail() const { return mThumb.Image(); }
    bool ThumbnailPending() const { return mThumb.GetState() == TilePicture::State::Loading; }

signals:
    // The thumbnail of the present photo arrived (or could not be read) and
    // the tile repaints.
    void thumbnailLoaded();

protected:
    // The tooltip (the photo's size) is made when first asked for.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::shared_ptr<PhotoImage> mPhoto;
    QPointer<PhotoTileDeleteButton> mPhotoMgr;
    TilePicture mThumb;
    bool mDragging = false;
    bool mDiscarded = false;
};
