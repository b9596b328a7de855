#pragma once

#include "model/PhotoImageWindow.h"
#include "model/TemplateBox.h"

#include <QSize>
#include <optional>

// Whether a photo gives its box enough pixels for print, and the numbers
// behind the answer. The photo's too-small flag is this check's result.
struct PrintSizeCheck {
    QSize picture;      // the photo's pixels, turned by its angle
    PhotoWindow window; // the part the box shows at the photo's zoom, in those pixels
    QSize needed;       // least pixels the box needs: its mm times the minimum per mm
    bool tooSmall = false;
};

// For a photo of `fullSize` pixels (upright) turned by `angle` and shown at
// `ratio` in a box of `boxMm`; none for a box without an area.
std::optional<PrintSizeCheck> CheckPrintSize(QSize fullSize, int angle, float ratio, QSizeF boxMm,
                                             MinRatios minimum);
