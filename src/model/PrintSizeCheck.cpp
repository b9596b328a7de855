#include "model/PrintSizeCheck.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Whole pixels, kept within int for boxes of any size a page text may give.
int PixelCount(double pixels) {
    constexpr double kMost = std::numeric_limits<int>::max();
    return std::isfinite(pixels) ? int(std::clamp(std::ceil(pixels), 0.0, kMost)) : 0;
}

} // namespace

std::optional<PrintSizeCheck> CheckPrintSize(QSize fullSize, int angle, float ratio, QSizeF boxMm,
                                             MinRatios minimum) {
    if (!(boxMm.width() > 0 && boxMm.height() > 0))
        return std::nullopt;
    const double boxW = boxMm.width();
    const double boxH = boxMm.height();
    PrintSizeCheck check;
    check.picture = TurnedSize(fullSize, angle);
    check.window = VisibleWindow(check.picture.width(), check.picture.height(), boxW, boxH, ratio);
    check.tooSmall =
        check.window.width / boxW < minimum.x || check.window.height / boxH < minimum.y;
    check.needed = QSize(PixelCount(boxW * minimum.x), PixelCount(boxH * minimum.y));
    return check;
}
