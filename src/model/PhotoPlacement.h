#pragma once

#include "imaging/ThumbType.h"

#include <QSize>
#include <QSizeF>
#include <QString>

// A photo of a page as plain values: where its files are and how it sits in
// its box. Taken from a PhotoImage on the UI thread; rendering needs nothing
// else of the photo.
struct PhotoPlacement {
    QString stem;   // book folder & name: the files are stem & "_sm.jpg", ...
    QString name;   // for messages
    QSize fullSize; // the full-size picture, upright; empty when its size is unknown
    QSizeF boxMm;   // the box's shape; empty: the shape of the drawing
    int x = 0;      // offsets, within their bounds
    int y = 0;
    float ratio = 1.0f;
    int angle = 0;
    bool tooSmall = false;
    bool fileMissing = false; // the full-size file is gone; the thumbnails may be left

    QString File(ThumbType type) const {
        return stem + QLatin1String(ThumbSuffix(type)) + QLatin1String(".jpg");
    }
};
