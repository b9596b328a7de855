#include "ui/panes/PhotoTile.h"

#include "base/LumbraError.h"
#include "model/PhotoImage.h"
#include "ui/UiLog.h"
#include "ui/panes/PhotoTileDeleteButton.h"
#include "ui/panes/PhotoTileLayout.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

PhotoTile::PhotoTile(QWidget* parent) : QWidget(parent) {}

void PhotoTile::SetPhoto(const std::shared_ptr<PhotoImage>& aPhoto, const QString& tileName) {
    setObjectName(tileName);
    const bool sameKey = mPhoto && aPhoto && mPhoto->GetKey() == aPhoto->GetKey();
    mPhoto = aPhoto;
    if (sameKey)
        return;
    setToolTip(QString());
    mThumb.Clear();
    update();
}

void PhotoTile::LoadThumbnail() { LoadThumbnailFor(devicePixelRatioF()); }

void PhotoTile::LoadThumbnailFor(double devicePixelRatio) {
    if (!mPhoto || mThumb.GetState() != TilePicture::State::Empty)
        return;
    const PhotoTileThumb thumb = PhotoTileThumbFor(devicePixelRatio);
    mThumb.Load(
        this, mPhoto->GetThumbFile(thumb.type), [this] { emit thumbnailLoaded(); }, thumb.box,
        devicePixelRatio);
}

void PhotoTile::SetPhotoMgr(PhotoTileDeleteButton* aPhotoMgr) { mPhotoMgr = aPhotoMgr; }

PhotoTileDeleteButton* PhotoTile::GetPhotoMgr() const { return mPhotoMgr; }

QMimeData* PhotoTile::MakeDragData() const {
    auto* data = new QMimeData;
    data->setText(mPhoto ? mPhoto->GetKey() : QString());
    return data;
}

void PhotoTile::Discard() {
    hide();
    mDiscarded = true;
    if (!mDragging)
        deleteLater();
}

bool PhotoTile::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && mPhoto && toolTip().isEmpty()) {
        try {
            setToolTip(tr("%1 x %2 pixels. Drag it onto a photo box of a page.")
                           .arg(mPhoto->GetWidth())
                           .arg(mPhoto->GetHeight()));
        } catch (const LumbraError&) {
            LogCaughtException(lcUi(), "A photo tile's tooltip; the tile has none");
        }
    }
    return QWidget::event(event);
}

void PhotoTile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    LoadThumbnail();
    const QImage& thumb = Thumbnail();
    if (!thumb.isNull()) {
        const QSizeF size = thumb.deviceIndependentSize();
        const double x = std::max(0.0, std::floor((width() - size.width()) / 2));
        const double y = std::max(0.0, std::floor((height() - size.height()) / 2));
        painter.drawImage(QPointF(x, y), thumb);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PhotoTile::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mPhoto) {
        QWidget::mousePressEvent(event);
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(MakeDragData());
    if (!Thumbnail().isNull())
        drag->setPixmap(QPixmap::fromImage(Thumbnail().scaled(60, 60, Qt::KeepAspectRatio)));
    mDragging = true;
    drag->exec(Qt::CopyAction);
    mDragging = false;
    if (mDiscarded)
        deleteLater(); // the photo went onto a page during the drag
}
