#include "ui/editors/PhotoBoxEditMath.h"

#include <gtest/gtest.h>

#include <limits>

TEST(PhotoBoxEditMath, SliderShowsTheZoomInPercentWithinItsRange) {
    EXPECT_EQ(ZoomSliderValueForRatio(1.0f), 100);
    EXPECT_EQ(ZoomSliderValueForRatio(0.5f), 200);
    EXPECT_EQ(ZoomSliderValueForRatio(0.4f), 250);
    EXPECT_EQ(ZoomSliderValueForRatio(0.45f), 222); // 222.2
    EXPECT_EQ(ZoomSliderValueForRatio(0.3f), 250);  // beyond the range
    EXPECT_EQ(ZoomSliderValueForRatio(0.01f), 250);
    EXPECT_EQ(ZoomSliderValueForRatio(0.0f), 250);
    EXPECT_EQ(ZoomSliderValueForRatio(std::numeric_limits<float>::quiet_NaN()), 250);

    EXPECT_FLOAT_EQ(RatioForZoomSlider(100), 1.0f);
    EXPECT_FLOAT_EQ(RatioForZoomSlider(250), 0.4f);
    EXPECT_FLOAT_EQ(RatioForZoomSlider(90), 1.0f);
    EXPECT_FLOAT_EQ(RatioForZoomSlider(260), 0.4f);
    // Every slider position survives the way through the stored ratio.
    for (int value = kZoomSliderMin; value <= kZoomSliderMax; ++value)
        EXPECT_EQ(ZoomSliderValueForRatio(RatioForZoomSlider(value)), value) << value;

    EXPECT_EQ(ClampZoomSlider(250 + kZoomSliderPageStep), 250);
    EXPECT_EQ(ClampZoomSlider(100 - kZoomSliderPageStep), 100);
    EXPECT_EQ(ClampZoomSlider(245 + kZoomSliderPageStep), 250);
    EXPECT_EQ(ClampZoomSlider(170), 170);
}

TEST(PhotoBoxEditMath, TurnsKeepTheSignOfTheAngle) {
    int angle = 0;
    for (int expected : {90, 180, 270, 0}) {
        angle = AngleTurnedLeft(angle);
        EXPECT_EQ(angle, expected);
    }
    for (int expected : {-90, -180, -270, 0}) {
        angle = AngleTurnedRight(angle);
        EXPECT_EQ(angle, expected);
    }
    EXPECT_EQ(AngleTurnedLeft(AngleTurnedRight(0)), 0);
    EXPECT_EQ(AngleTurnedRight(AngleTurnedLeft(0)), 0);
    EXPECT_EQ(AngleTurnedLeft(-270), -180);
    EXPECT_EQ(AngleTurnedRight(90), 0);

    EXPECT_EQ(TurnedOffsets(QPoint(12, -40)), QPoint(-40, 12));
    EXPECT_EQ(TurnedOffsets(QPoint(0, 0)), QPoint(0, 0));
}

TEST(PhotoBoxEditMath, DragMovesByMousePixelsRoundedHalvesToEven) {
    EXPECT_EQ(DraggedOffsets({10, 5}, {3, 3}, {8, 1}), QPoint(15, 3));
    EXPECT_EQ(DraggedOffsets({0, 0}, {0, 0}, {0.5, 1.5}), QPoint(0, 2));
    EXPECT_EQ(DraggedOffsets({0, 0}, {0, 0}, {2.5, -0.5}), QPoint(2, 0));
    EXPECT_EQ(DraggedOffsets({0, 0}, {10.25, 4}, {11, 3.5}), QPoint(1, 0)); // 0.75, -0.5
    // Kept within 16 bits.
    EXPECT_EQ(DraggedOffsets({32760, -32760}, {0, 0}, {100, -100}), QPoint(32767, -32768));
}

TEST(PhotoBoxEditMath, ToolbarStandsAboveAWideBox) {
    const QSize toolbar(230, 30);
    const PhotoEditorPlacement p = PlacePhotoEditor(QRect(200, 300, 400, 250), toolbar, 1000);
    EXPECT_EQ(p.editor, QRect(200, 270, 400, 280));
    EXPECT_EQ(p.toolbar, QPoint(0, 0));
    EXPECT_EQ(p.picture, QRect(0, 30, 400, 250));
}

TEST(PhotoBoxEditMath, ToolbarKeepsSixtyPixelsFromTheTop) {
    const PhotoEditorPlacement p = PlacePhotoEditor(QRect(200, 50, 400, 250), QSize(230, 30), 1000);
    EXPECT_EQ(p.editor.top(), 20);
    EXPECT_EQ(p.editor.top() + p.toolbar.y(), 60);
    EXPECT_EQ(p.picture.translated(p.editor.topLeft()), QRect(200, 50, 400, 250));
    // A low box whose toolbar is pushed below the box's bottom: the editor
    // still holds the whole toolbar.
    const PhotoEditorPlacement low =
        PlacePhotoEditor(QRect(200, -100, 400, 80), QSize(230, 30), 1000);
    EXPECT_EQ(low.editor.top() + low.toolbar.y(), 60);
    EXPECT_GE(low.editor.height(), low.toolbar.y() + 30);
}

TEST(PhotoBoxEditMath, WideToolbarIsCentredOverANarrowBox) {
    const QSize toolbar(230, 30);
    // f = 300 - (130 \ 2) = 235; the editor starts one pixel before it.
    PhotoEditorPlacement p = PlacePhotoEditor(QRect(300, 300, 100, 100), toolbar, 1000);
    EXPECT_EQ(p.editor, QRect(234, 270, 230, 130));
    EXPECT_EQ(p.picture, QRect(66, 30, 100, 100));
    // Odd difference: (131 \ 2) truncates to 65.
    p = PlacePhotoEditor(QRect(300, 300, 99, 100), toolbar, 1000);
    EXPECT_EQ(p.editor.left(), 234);

    // Near the left edge: the editor starts at 0, the toolbar 5 pixels in,
    // and the editor grows to hold it.
    p = PlacePhotoEditor(QRect(20, 300, 100, 100), toolbar, 1000);
    EXPECT_EQ(p.editor.left(), 0);
    EXPECT_EQ(p.toolbar, QPoint(5, 0));
    EXPECT_EQ(p.editor.width(), 235);
    EXPECT_EQ(p.picture.left(), 20);

    // Near the right edge: the toolbar ends at the parent's right edge.
    p = PlacePhotoEditor(QRect(420, 300, 60, 100), toolbar, 500);
    EXPECT_EQ(p.editor.left(), 270);
    EXPECT_EQ(p.editor.left() + p.toolbar.x() + toolbar.width(), 500);
    EXPECT_EQ(p.picture.left(), 150);
}

TEST(PhotoBoxEditMath, PlacementInvariantsOverManyBoxes) {
    const QSize toolbar(230, 30);
    const int parentWidth = 900;
    for (int x = -120; x <= 880; x += 37) {
        for (int y = -40; y <= 400; y += 53) {
            for (int w : {20, 150, 229, 230, 231, 600}) {
                const QRect box(x, y, w, 90);
                const PhotoEditorPlacement p = PlacePhotoEditor(box, toolbar, parentWidth);
                const QRect bar(p.editor.topLeft() + p.toolbar, toolbar);
                SCOPED_TRACE(testing::Message() << x << "," << y << " w " << w);
                // The picture covers the box; nothing sticks out of the editor.
                EXPECT_EQ(p.picture.translated(p.editor.topLeft()), box);
                EXPECT_TRUE(p.editor.contains(bar));
                // (what lies left of the parent is cut by the parent anyway)
                const QRect shown = box.intersected(QRect(0, box.top(), parentWidth, box.height()));
                EXPECT_TRUE(shown.isEmpty() || p.editor.contains(shown));
                EXPECT_GE(bar.top(), 60);
                EXPECT_GE(bar.left(), 5);
                if (box.left() >= 0 && box.right() < parentWidth && w < toolbar.width()) {
                    EXPECT_LE(bar.right(), parentWidth - 1);
                }
            }
        }
    }
}
