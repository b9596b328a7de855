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

// The program's icon: a small open photo book on a rounded tile, 256 x 256.
QImage ApplicationIcon();

// The open book of both pictures, in the introduction's coordinates.
void DrawOpenBook(QPainter& painter);

} // namespace Pictures
