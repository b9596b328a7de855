#include "model/PrintSizeCheck.h"

#include "model/PhotoImage.h"
#include "model/TemplateBox.h"

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

std::optional<PrintSizeCheck> CheckPrintSize(const PhotoImage& photo) {
    const auto& box = photo.PhotoBox();
    if (!box || !(box->width() > 0 && box->height() > 0))
        return std::nullopt;
    const double boxW = box->width();
    const double boxH = box->height();
    const MinRatios& minimum = photo.MinimumRatios();
    PrintSizeCheck check;
    check.picture = TurnedSize(QSize(photo.GetWidth(), photo.GetHeight()), photo.Angle());
    check.window =
        VisibleWindow(check.picture.width(), check.picture.height(), boxW, boxH, photo.ratio());
    check.tooSmall =
        check.window.width / boxW < minimum.x || check.window.height / boxH < minimum.y;
    check.needed = QSize(PixelCount(boxW * minimum.x), PixelCount(boxH * minimum.y));
    return check;
}
