#include "ui/common/TilePicture.h"

#include "base/BackgroundWork.h"
#include "imaging/JpegDecode.h"

#include <QWidget>

#include <algorithm>

namespace {

QImage DecodeToFit(const QString& path, QSize box, double devicePixelRatio) {
    QImage picture = DecodeJpeg(path, [box](const JpegHeader& header) {
                         JpegDecodeRequest request;
                         const bool turned = header.orientation >= 5; // upright: sides swap
                         const int width = turned ? header.height : header.width;
                         const int height = turned ? header.width : header.height;
                         if (!box.isEmpty() && width > 0 && height > 0)
                             request.factor = std::min(double(box.width()) / width,
                                                       double(box.height()) / height);
                         return request;
                     }).picture;
    if (picture.isNull() || box.isEmpty())
        return picture;
    if (picture.width() > box.width() || picture.height() > box.height())
        picture = picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // A picture smaller than the box keeps its size on screen (as a file of
    // that size would show at 1x) and is drawn at its own density.
    const double fill =
        std::max(double(picture.width()) / box.width(), double(picture.height()) / box.height());
    picture.setDevicePixelRatio(std::max(1.0, devicePixelRatio * fill));
    return picture;
}

} // namespace

void TilePicture::Load(QWidget* tile, const QString& path, std::function<void()> loaded, QSize box,
                       double devicePixelRatio) {
    Clear();
    mState = State::Loading;
    const quint64 request = mRequest;
    RunInBackground(
        tile, [path, box, devicePixelRatio] { return DecodeToFit(path, box, devicePixelRatio); },
        [this, tile, request, loaded](const QImage& picture) {
            if (request != mRequest)
                return; // the tile shows something else by now
            mImage = picture;
            mState = State::Loaded;
            tile->update();
            if (loaded)
                loaded();
        });
}

void TilePicture::Clear() {
    mImage = QImage();
    mState = State::Empty;
    ++mRequest;
}
