#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// The screen's warning over a box: the marker picture (when not null) at the
// top-left corner and a yellow frame 3 pixels wide along the inside.
void DrawWarningMark(QPainter& painter, const QRect& box, const QImage& marker);
