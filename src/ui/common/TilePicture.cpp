#include "ui/common/TilePicture.h"

#include "base/BackgroundWork.h"
#include "imaging/JpegDecode.h"

#include <QWidget>

void TilePicture::Load(QWidget* tile, const QString& path, std::function<void()> loaded) {
    Clear();
    mState = State::Loading;
    const quint64 request = mRequest;
    RunInBackground(
        tile,
        [path] {
            return DecodeJpeg(path, [](const JpegHeader&) { return JpegDecodeRequest{}; }).picture;
        },
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
