#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

// The arithmetic of the photo box editor: its zoom slider, its turns, the
// offsets of a drag and where it stands over a box.

// The zoom slider's value is the zoom in percent: ratio = 100 / value.
inline constexpr int kZoomSliderMin = 100;
inline constexpr int kZoomSliderMax = 250;
inline constexpr int kZoomSliderPageStep = 10;

int ClampZoomSlider(int value);
// The slider value that shows `ratio` (rounded halves to even, kept in range).
int ZoomSliderValueForRatio(float ratio);
float RatioForZoomSlider(int value);
// The slider value `steps` button steps away (negative: zoomed out), kept in range.
int ZoomSliderSteppedBy(int value, int steps);

// Whole notches of a mouse wheel (120 of its angle each; positive is up).
// The small deltas of fine wheels add up until they make a notch; a turn
// the other way starts afresh.
class WheelNotches {
public:
    int Take(int angleDelta);
    void Forget() { mRest = 0; }

private:
    int mRest = 0;
};

// Turning left adds 90 degrees, turning right takes 90 away; both keep the
// sign of the angle (0 turned right is -90).
int AngleTurnedLeft(int angle);
int AngleTurnedRight(int angle);
// The offsets a turned photo starts from: X and Y exchanged.
QPoint TurnedOffsets(QPoint offsets);

// The offsets after the mouse moved from `last` to `now`: one pixel of the
// mouse is one pixel of the full-size picture. Each sum is rounded halves to
// even and kept within 16 bits.
QPoint DraggedOffsets(QPoint offsets, QPointF last, QPointF now);

// The toolbar never comes closer than this to the parent's top and left.
inline constexpr int kPhotoToolbarMinTop = 60;
inline constexpr int kPhotoToolbarMinLeft = 5;

// Where the editor's parts stand: `editor` in the parent's pixels, the
// toolbar's top-left and the picture area inside the editor.
struct PhotoEditorPlacement {
    QRect editor;
    QPoint toolbar;
    QRect picture;
};

// Places the editor over `box` (parent pixels) with the toolbar directly
// above it: centred and kept inside the parent when wider than the box, and
// at least 60 pixels from the parent's top and 5 from its left. The picture
// area covers the box exactly; the editor holds all of the toolbar.
PhotoEditorPlacement PlacePhotoEditor(const QRect& box, QSize toolbar, int parentWidth);
