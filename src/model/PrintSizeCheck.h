#pragma once

#include "model/PhotoImageWindow.h"

#include <QSize>
#include <optional>

class PhotoImage;

// Whether a photo gives its box enough pixels for print, and the numbers
// behind the answer. The photo's too-small flag is this check's result.
struct PrintSizeCheck {
    QSize picture;      // the photo's pixels, turned by its angle
    PhotoWindow window; // the part the box shows at the photo's zoom, in those pixels
    QSize needed;       // least pixels the box needs: its mm times the minimum per mm
    bool tooSmall = false;
};

// None for a photo without a box. Throws LumbraError when the photo's size
// cannot be read.
std::optional<PrintSizeCheck> CheckPrintSize(const PhotoImage& photo);
