#pragma once

#include "imaging/ThumbType.h"
#include "model/PhotoPlacement.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// Drawing a placed photo: which of its files, decoded how far, and which
// window of it fills the box. Works on plain values only (any thread).

// The pictures of one photo decoded for the screen, kept between draws (the
// photo editor redraws on every drag step): the last file decoded, upright,
// and turned by the last angle.
class PhotoPictures {
public:
    // The picture of `type` decoded at the smallest scale that covers
    // `factor` times the full size (or whole, when the file is smaller) and
    // turned by the photo's angle; decodes only when the kept one is of
    // another file or too coarse. Throws LumbraError when it cannot be read.
    const QImage& Turned(const PhotoPlacement& photo, ThumbType type, double factor);

private:
    QString mFile;
    QImage mUpright;
    double mScale = 0;     // mUpright's width / the full-size width
    double mFileScale = 0; // the file's width / the full-size width
    QImage mTurned;
    int mAngle = 0;
};

// The screen drawing: the photo's window stretched into `target` without
// smoothing, from the file that suits the target's size; with `warning`
// and a photo too small for print also the marker and a yellow frame.
// Throws LumbraError when the picture cannot be read.
void DrawPhoto(QPainter& painter, const PhotoPlacement& photo, const QRect& target, bool warning,
               const QImage& marker, PhotoPictures& pictures);

// The print pixels `part` (box pixels from the box's top-left corner) of
// the photo's window scaled to a box of `box` pixels: from the full-size
// file decoded at the smallest scale that covers the box, and only as far as
// the part needs. Throws LumbraError when the picture cannot be read.
QImage PrintPhotoPart(const PhotoPlacement& photo, QSize box, const QRect& part);
