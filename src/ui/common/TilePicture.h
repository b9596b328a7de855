#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QWidget;

// The picture of a pane tile, decoded from a JPEG file on the thread pool.
// Load forgets the picture shown and any picture still coming; when the new
// one arrives (null when the file cannot be read) the tile repaints and
// `loaded` runs on the tile's thread. A tile deleted before then gets
// nothing. Lives in the tile it paints.
class TilePicture {
public:
    enum class State { Empty, Loading, Loaded };

    TilePicture() = default;
    TilePicture(const TilePicture&) = delete;
    TilePicture& operator=(const TilePicture&) = delete;

    // With a `box` (in device pixels), the picture is decoded at the smallest
    // scale that covers it, scaled smoothly to fit it and marked with
    // `devicePixelRatio`, so that it draws sharp within box / ratio logical pixels.
    void Load(QWidget* tile, const QString& path, std::function<void()> loaded, QSize box = {},
              double devicePixelRatio = 1.0);
    // Forgets the picture and any picture still coming.
    void Clear();

    const QImage& Image() const { return mImage; }
    State GetState() const { return mState; }

private:
    QImage mImage;
    State mState = State::Empty;
    quint64 mRequest = 0; // the latest Load or Clear; older results are dropped
};
