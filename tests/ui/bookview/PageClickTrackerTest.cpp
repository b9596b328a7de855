#include "ui/bookview/PageClickTracker.h"

#include <gtest/gtest.h>

using Action = PageClickTracker::Action;

TEST(PageClickTrackerTest, FirstClickMarksSecondClickOpensThePhotoEditor) {
    PageClickTracker clicks;
    clicks.Move({50, 50}, false);
    EXPECT_EQ(clicks.Press(-1, 2, false), (Action{Action::Kind::MarkPhotoBox, 2}));
    EXPECT_EQ(clicks.PressedBox(), 2);
    clicks.Move({52, 47}, false); // within 5 pixels
    EXPECT_EQ(clicks.Press(-1, 2, false), (Action{Action::Kind::OpenPhotoEditor, 2}));
    EXPECT_EQ(clicks.PressedBox(), -1);
    // The next press marks again.
    EXPECT_EQ(clicks.Press(-1, 2, false), (Action{Action::Kind::MarkPhotoBox, 2}));
}

TEST(PageClickTrackerTest, MovingMoreThanFivePixelsForgetsTheMark) {
    PageClickTracker clicks;
    clicks.Move({50, 50}, false);
    clicks.Press(-1, 1, false);
    clicks.Move({55, 55}, false); // exactly 5: kept
    EXPECT_EQ(clicks.PressedBox(), 1);
    clicks.Move({55, 61}, false); // 6 in y between two moves
    EXPECT_EQ(clicks.PressedBox(), -1);
    EXPECT_EQ(clicks.Press(-1, 1, false), (Action{Action::Kind::MarkPhotoBox, 1}));
    clicks.Move({62, 61}, false); // 7 in x
    EXPECT_EQ(clicks.PressedBox(), -1);
}

TEST(PageClickTrackerTest, MovingWithTheLeftButtonOverAMarkStartsADrag) {
    PageClickTracker clicks;
    EXPECT_FALSE(clicks.Move({10, 10}, true)); // nothing marked
    clicks.Press(-1, 0, false);
    EXPECT_TRUE(clicks.Move({40, 40}, true)); // far, but the button is down
    EXPECT_EQ(clicks.LastPosition(), QPoint(40, 40));
    clicks.Forget(); // the drag passes over the surface
    EXPECT_FALSE(clicks.Move({41, 40}, true));
}

TEST(PageClickTrackerTest, DoubleClickOpensAMarkedBoxOnly) {
    PageClickTracker clicks;
    clicks.Press(-1, 3, false);
    EXPECT_EQ(clicks.DoubleClick(), (Action{Action::Kind::OpenPhotoEditor, 3}));
    EXPECT_EQ(clicks.PressedBox(), -1);
    // Nothing marked: the photo editor only closes.
    EXPECT_EQ(clicks.DoubleClick(), (Action{Action::Kind::MarkPhotoBox, -1}));
}

TEST(PageClickTrackerTest, TextBoxesComeFirstAndAnOpenTextEditorOnlyCloses) {
    PageClickTracker clicks;
    clicks.Press(-1, 1, false); // mark box 1
    // A text box over the photo box wins, and the mark stays.
    EXPECT_EQ(clicks.Press(0, 1, false), (Action{Action::Kind::OpenTextEditor, 0}));
    EXPECT_EQ(clicks.PressedBox(), 1);
    // Elsewhere while the text editor is open: it closes, nothing more.
    EXPECT_EQ(clicks.Press(-1, 1, true), (Action{Action::Kind::CloseTextEditor, -1}));
    EXPECT_EQ(clicks.PressedBox(), 1);
    // A press outside every box marks nothing.
    PageClickTracker other;
    EXPECT_EQ(other.Press(-1, -1, false), (Action{Action::Kind::MarkPhotoBox, -1}));
    EXPECT_EQ(other.PressedBox(), -1);
}
