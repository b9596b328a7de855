#pragma once

#include <QImage>

class QPainter;

// The small pictures delivered with the program.
namespace Pictures {

// The warning laid over a photo with too few pixels for print: a yellow
// triangle with "!" on a dark tile, 48 x 48.
QImage ImageTooSmallMarker();

// The introduction panel's picture: an open photo book, 480 x 300.
QImage Introduction();

// The open book of the introduction picture, in its coordinates.
void DrawOpenBook(QPainter& painter);

} // namespace Pictures
