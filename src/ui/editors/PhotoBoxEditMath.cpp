#include "ui/editors/PhotoBoxEditMath.h"

#include "base/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

int RoundTo16(double value) {
    const int64_t rounded = RoundHalfEven(value);
    return int(std::clamp<int64_t>(rounded, std::numeric_limits<int16_t>::min(),
                                   std::numeric_limits<int16_t>::max()));
}

} // namespace

int ClampZoomSlider(int value) { return std::clamp(value, kZoomSliderMin, kZoomSliderMax); }

int ZoomSliderValueForRatio(float ratio) {
    if (!(ratio > 0)) // zero, negative or NaN: the most zoomed-in value
        return kZoomSliderMax;
    const double value = 100.0 / double(ratio);
    if (value >= kZoomSliderMax)
        return kZoomSliderMax;
    return ClampZoomSlider(int(RoundHalfEven(value)));
}

float RatioForZoomSlider(int value) { return 100.0f / float(ClampZoomSlider(value)); }

int ZoomSliderSteppedBy(int value, int steps) {
    const int64_t stepped = int64_t(value) + int64_t(steps) * kZoomSliderPageStep;
    return int(std::clamp<int64_t>(stepped, kZoomSliderMin, kZoomSliderMax));
}

int WheelNotches::Take(int angleDelta) {
    constexpr int cNotch = 120;
    if ((angleDelta > 0 && mRest < 0) || (angleDelta < 0 && mRest > 0))
        mRest = 0; // a turn the other way starts afresh
    mRest = std::clamp(mRest + angleDelta, -100 * cNotch, 100 * cNotch);
    const int notches = mRest / cNotch; // toward zero, either way
    mRest -= notches * cNotch;
    return notches;
}

int AngleTurnedLeft(int angle) { return (angle + 90) % 360; }

int AngleTurnedRight(int angle) { return (angle - 90) % 360; }

QPoint TurnedOffsets(QPoint offsets) { return offsets.transposed(); }

QPoint DraggedOffsets(QPoint offsets, QPointF last, QPointF now) {
    return {RoundTo16(offsets.x() + (now.x() - last.x())),
            RoundTo16(offsets.y() + (now.y() - last.y()))};
}

PhotoEditorPlacement PlacePhotoEditor(const QRect& box, QSize toolbar, int parentWidth) {
    const int th = toolbar.height();
    const int tw = toolbar.width();

    // 1. The toolbar stands directly above the box.
    const int top = box.y() - th;
    int height = th + box.height();
    // 2. ... but never closer than 60 pixels to the parent's top.
    const int toolbarTop = top < kPhotoToolbarMinTop ? kPhotoToolbarMinTop - top : 0;

    // 3. A toolbar wider than the box is centred over it, inside the parent.
    int left = box.x();
    int width = box.width();
    if (tw > box.width()) {
        const int f = box.x() - (tw - box.width()) / 2;
        if (f + tw > parentWidth)
            left = parentWidth - tw;
        else
            left = f < 0 ? 0 : f - 1;
        width = tw;
    }
    // 4. ... and never closer than 5 pixels to the parent's left.
    const int toolbarLeft = left < kPhotoToolbarMinLeft ? kPhotoToolbarMinLeft - left : 0;

    // 5. The picture area covers the box.
    const QRect picture(box.x() - left, th, box.width(), box.height());
    width = std::max({width, toolbarLeft + tw, picture.x() + picture.width()});
    height = std::max(height, toolbarTop + th);
    return {QRect(left, top, width, height), QPoint(toolbarLeft, toolbarTop), picture};
}
