#include "ui/panes/SidePane.h"

#include "ui/backgrounds/BackgroundPaneTestSupport.h"
#include "ui/backgrounds/BackgroundsPane.h"
#include "ui/panes/PhotosPane.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class SidePaneBackgroundsTest : public ::testing::Test, public BackgroundPaneFixture {
protected:
    // Shown, so that every resize lays the children out at once.
    void SetUp() override { top.show(); }
    QAbstractButton* Button(const QString& key) const {
        for (QAbstractButton* b : top.findChildren<QAbstractButton*>())
            if (b->property("paneKey").toString() == key)
                return b;
        return nullptr;
    }
    QWidget* Child(const char* name) const { return top.findChild<QWidget*>(QLatin1String(name)); }
    QPushButton* Download() const {
        return top.findChild<QPushButton*>("mDownloadBackgroundButton");
    }
    // What the main window does in the column: it takes the wanted width.
    void ColumnOfHeight(int height) { top.resize(top.PreferredWidth(), height); }
    // True when the four edges of the pane show the border's colour.
    bool BorderPainted() {
        const QImage shown = top.grab().toImage();
        const QWidget* frame = Child("mBorder");
        const QRgb border = frame->palette().color(frame->foregroundRole()).rgb();
        const int w = shown.width(), h = shown.height();
        return shown.pixel(0, h / 2) == border && shown.pixel(w - 1, h / 2) == border &&
               shown.pixel(w / 2, 0) == border && shown.pixel(w / 2, h - 1) == border;
    }

    SidePane top{SidePaneContext()};
};

} // namespace

TEST_F(SidePaneBackgroundsTest, BackgroundsButtonShowsThePaneWithItsDownloadButton) {
    top.resize(800, 161);
    ASSERT_TRUE(Button("backgrounds"));
    EXPECT_TRUE(Button("backgrounds")->isEnabled());
    EXPECT_EQ(top.Backgrounds(), Child("mBackgroundsPane"));
    EXPECT_TRUE(top.Backgrounds()->isHidden());
    const auto* caption = Download()->findChild<QLabel*>("mDownloadCaption");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->text(), "Download Backgrounds");
    EXPECT_EQ(Download()->accessibleName(), "Download Backgrounds");

    Button("backgrounds")->click();
    EXPECT_EQ(top.PressedKey(), "backgrounds");
    EXPECT_FALSE(top.Backgrounds()->isHidden());
    EXPECT_FALSE(Download()->isHidden());
    EXPECT_FALSE(Download()->isEnabled()); // no download command yet
    int runs = 0;
    top.SetDownloadCommand([&runs] { ++runs; });
    ASSERT_TRUE(Download()->isEnabled());
    Download()->click();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(top.Photos()->isHidden());
    EXPECT_TRUE(Child("mAlbumView")->isHidden());

    Button("photos")->click();
    EXPECT_TRUE(top.Backgrounds()->isHidden());
    EXPECT_TRUE(Download()->isHidden());
    EXPECT_FALSE(top.Photos()->isHidden());
}

TEST_F(SidePaneBackgroundsTest, BorderGoesWithTheAlbumAndBackgroundsPanesInBothViews) {
    for (PaneView view : {PaneView::Strip, PaneView::Column}) {
        SCOPED_TRACE(int(view));
        top.SetView(view);
        for (const char* key : {"backgrounds", "photos", "album", "photos"}) {
            SCOPED_TRACE(key);
            top.ShowPane(key);
            if (view == PaneView::Column)
                ColumnOfHeight(600);
            else
                top.resize(800, 161);
            const bool border = QLatin1String(key) != QLatin1String("photos");
            EXPECT_EQ(BorderPainted(), border);
            // The children stand inside the border, or reach the edges without one.
            const QRect inside = border ? top.rect().adjusted(1, 1, -1, -1) : top.rect();
            EXPECT_EQ(top.Photos()->geometry().right(), inside.right());
            const int toolbar = view == PaneView::Column ? 50 : 0;
            EXPECT_EQ(top.Backgrounds()->geometry().top(), inside.top() + toolbar);
        }
    }
}

TEST_F(SidePaneBackgroundsTest, ColumnWidthFollowsThePressedButtonInTheColumn) {
    top.SetView(PaneView::Column);
    top.ShowPane("album");
    ColumnOfHeight(600);
    EXPECT_EQ(top.width(), 327);
    top.ShowPane("backgrounds");
    ColumnOfHeight(600);
    EXPECT_EQ(top.width(), 193);
    // Inside the border: 191 x 598 at (1, 1).
    EXPECT_EQ(Child("mToolbar")->geometry(), QRect(1 + 191 - 150, 1, 150, 50));
    EXPECT_EQ(top.Backgrounds()->geometry(), QRect(1, 51, 191, 598 - 50 - 161));
    EXPECT_EQ(Download()->geometry(), QRect(1, 1 + 598 - 161, 191, 161));
    top.ShowPane("photos");
    ColumnOfHeight(600);
    EXPECT_EQ(top.width(), 163);
    EXPECT_EQ(top.Photos()->geometry(), QRect(0, 50, 163, 550));
}

TEST_F(SidePaneBackgroundsTest, ShortColumnLeavesTheBackgroundsPaneOnePixelHigh) {
    top.SetView(PaneView::Column);
    top.ShowPane("backgrounds");
    top.resize(193, 200);
    EXPECT_EQ(top.Backgrounds()->height(), 1);
    EXPECT_EQ(Download()->geometry(), QRect(1, 1 + 198 - 161, 191, 161));
}

TEST_F(SidePaneBackgroundsTest, NarrowStripLeavesTheBackgroundsPaneNoWidth) {
    top.ShowPane("backgrounds");
    top.resize(170, 161);
    EXPECT_EQ(top.Backgrounds()->width(), 0);
    EXPECT_EQ(Download()->geometry().left(), 1 + 51); // 51 inside the border
    EXPECT_EQ(Download()->width(), 130);
    // The caption is wider than the strip's button on one line: it wraps.
    const auto* caption = Download()->findChild<QLabel*>("mDownloadCaption");
    EXPECT_GT(caption->fontMetrics().horizontalAdvance(caption->text()), caption->width());
    const int wrappedHeight = caption->heightForWidth(caption->width());
    EXPECT_GT(wrappedHeight, 0);
    EXPECT_LE(wrappedHeight, caption->height());
    // A wide strip: the pane takes what the 130-pixel button leaves.
    top.resize(800, 161);
    EXPECT_EQ(top.Backgrounds()->geometry(), QRect(1 + 49, 1, 798 - 49 - 130, 159));
    EXPECT_EQ(Download()->geometry(), QRect(1 + 49 + 619 + 2, 1, 130, 159));
}
