#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the text box editor's parts stand, and its colour palette's grid.

// `editor` in the hosting view's pixels; `richText` inside the editor. The
// rich-text frame is one pixel wider than the box on every side, so that
// its inside covers the box. The toolbar stands at the editor's top-left.
struct TextEditorPlacement {
    QRect editor;
    QRect richText;
};

// Places the editor over `box` (view pixels) with the toolbar above it,
// centred over a box narrower than the toolbar and kept inside the view.
// The editor is tall enough for the palette below the toolbar.
TextEditorPlacement PlaceTextEditor(const QRect& box, QSize toolbar, int paletteHeight,
                                    int viewWidth);

// The palette's top-left inside the editor: centred under the toolbar.
QPoint PalettePosition(QSize toolbar, QSize palette);

// The palette: square cells 20 pixels apart, 4 pixels from its edges.
QSize PaletteSize();
QRect PaletteCell(int row, int column);
// The colour of the cell under `point` of the palette; invalid between cells.
QColor PaletteColorAt(QPoint point);
