#pragma once

#include <QSize>
#include <QSizeF>
#include <QString>

struct PrintSizeCheck;

// The tooltips of the page's warning marks.

// A photo too small for its box: its pixels, the part the box shows, the
// least the box needs, the box's print pixels and what to do about it.
// `zoomed`: the photo is zoomed in, so zooming out helps.
QString TooSmallTip(const PrintSizeCheck& check, QSizeF boxMm, QSize printPixels, bool zoomed);

// A text longer than its box.
QString TextCutTip(int cutLines);
