#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

// The screen's warning over a box: the marker picture (when not null) at the
// top-left corner and a yellow frame 3 pixels wide along the inside.
void DrawWarningMark(QPainter& painter, const QRect& box, const QImage& marker);

// The screen's box of a photo whose file is gone: grey, a red frame and
// `text` in the middle.
void DrawMissingFileMark(QPainter& painter, const QRect& box, const QString& text);
