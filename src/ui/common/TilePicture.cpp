#include "ui/common/TilePicture.h"

#include "base/BackgroundWork.h"
#include "imaging/FreeImageBridge.h"

#include <QWidget>

void TilePicture::Load(QWidget* tile, const QString& path, std::function<void()> loaded) {
    Clear();
    mState = State::Loading;
    const quint64 request = mRequest;
    RunInBackground(
        tile, [path] { return FiLoadImage(FIF_JPEG, path, 0); },
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
