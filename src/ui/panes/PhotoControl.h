#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <memory>

class ControlPhotoControl;
class PhotoImage;
class QMimeData;

// One photo tile of the photos pane: the photo's small thumbnail, centred,
// in a thin frame. Pressing the left button drags the photo's key away.
class PhotoControl : public QWidget {
    Q_OBJECT
public:
    explicit PhotoControl(QWidget* parent);

    // The small thumbnail is read once per photo key, when first needed.
    void SetPhoto(const std::shared_ptr<PhotoImage>& aPhoto, const QString& aControlName);
    const std::shared_ptr<PhotoImage>& GetPhoto() const { return mPhoto; }
    QString GetControlName() const { return objectName(); }
    void SetPos(int x, int y, int aWidth, int aHeight) { setGeometry(x, y, aWidth, aHeight); }
    void SetPhotoMgr(ControlPhotoControl* aPhotoMgr);
    ControlPhotoControl* GetPhotoMgr() const;

    // The drag payload: the photo's key as plain text.
    QMimeData* MakeDragData() const;
    // Deletes the tile once no drag from it is running.
    void Discard();
    // The decoded small thumbnail; null when it cannot be read.
    const QImage& Thumbnail();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::shared_ptr<PhotoImage> mPhoto;
    QPointer<ControlPhotoControl> mPhotoMgr;
    QImage mThumb;
    bool mThumbRead = false;
    bool mDragging = false;
    bool mDiscarded = false;
};
