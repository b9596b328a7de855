#include "ui/editors/TextBoxEditMath.h"

#include "base/Rounding.h"
#include "ui/editors/TextBoxEditChoices.h"

#include <algorithm>

namespace {

constexpr int kCellPitch = 20;
constexpr int kCellMargin = 4;
constexpr int kCellSize = 16; // from 20c + 4 to 20c + 19

} // namespace

TextEditorPlacement PlaceTextEditor(const QRect& box, QSize toolbar, int paletteHeight,
                                    int viewWidth) {
    const int t = toolbar.height();
    const int tw = toolbar.width();
    const int ph = paletteHeight;
    const int x = box.x();
    const int width = box.width();
    const int height = box.height();

    // 1. The toolbar directly above the rich text.
    const int top = box.y() - t - 1;
    // 2. Room for the palette below the toolbar.
    const int editorHeight = height >= ph ? t + height + 2 + ph : t + 2 * ph + 2;

    // 3. A toolbar as wide as the box: the editor is the rich text's width.
    int left = x - 1;
    int editorWidth = width + 2;
    if (tw > width + 2) {
        // 4. Centred over a narrower box, kept inside the view.
        const int h = x - int(RoundHalfEven((tw - width) / 2.0));
        if (h + tw > viewWidth)
            left = viewWidth - tw;
        else
            left = h < 0 ? 0 : h - 1;
        left = std::min(left, x - 1); // the frame's left edge stays inside
    }
    // 5. The rich text covers the box with a frame of one pixel.
    const QRect richText(x - 1 - left, t, width + 2, height + 2);
    editorWidth = std::max({editorWidth, tw, richText.x() + richText.width()});
    return {QRect(left, top, editorWidth, editorHeight), richText};
}

QPoint PalettePosition(QSize toolbar, QSize palette) {
    return {(toolbar.width() - palette.width()) / 2, toolbar.height() + 1};
}

QSize PaletteSize() {
    return {kPaletteColumns * kCellPitch + kCellMargin, kPaletteRows * kCellPitch + kCellMargin};
}

QRect PaletteCell(int row, int column) {
    return {kCellPitch * column + kCellMargin, kCellPitch * row + kCellMargin, kCellSize,
            kCellSize};
}

QColor PaletteColorAt(QPoint point) {
    if (point.x() < 0 || point.y() < 0)
        return {};
    const int column = point.x() / kCellPitch;
    const int row = point.y() / kCellPitch;
    if (!PaletteCell(row, column).contains(point))
        return {};
    return PaletteColor(row, column);
}
