#include "panes/PhotosControl.h"
#include "panes/TopControl.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QAbstractButton* ToolButton(TopControl& top, const QString& key) {
    for (QAbstractButton* b : top.findChildren<QAbstractButton*>())
        if (b->property("paneKey").toString() == key)
            return b;
    return nullptr;
}

} // namespace

TEST(TopControlTest, StartsOnThePhotosPaneWithTheOtherPanesNotYetAvailable) {
    TopControl top(nullptr, nullptr);
    top.resize(800, 161);
    EXPECT_EQ(top.PressedKey(), "photos");
    EXPECT_EQ(top.PreferredWidth(), 163);
    EXPECT_FALSE(top.Photos()->isHidden());
    ASSERT_TRUE(ToolButton(top, "album"));
    EXPECT_FALSE(ToolButton(top, "album")->isEnabled());
    EXPECT_FALSE(ToolButton(top, "backgrounds")->isEnabled());
    EXPECT_TRUE(ToolButton(top, "photos")->isChecked());
}

TEST(TopControlTest, SwitchingPanesChangesTheWantedColumnWidth) {
    TopControl top(nullptr, nullptr);
    QSignalSpy changed(&top, &TopControl::PaneChanged);
    top.ShowPane("album");
    EXPECT_EQ(top.PreferredWidth(), 327);
    EXPECT_TRUE(top.Photos()->isHidden());
    top.ShowPane("backgrounds");
    EXPECT_EQ(top.PreferredWidth(), 193);
    EXPECT_FALSE(top.findChild<QWidget*>("mDownloadBackgroundButton")->isHidden());
    top.ShowPane("photos");
    EXPECT_EQ(top.PreferredWidth(), 163);
    EXPECT_TRUE(top.findChild<QWidget*>("mDownloadBackgroundButton")->isHidden());
    EXPECT_EQ(changed.count(), 3);
    top.ShowPane("elsewhere");
    EXPECT_EQ(changed.count(), 3);
}

TEST(TopControlTest, StripLayoutPlacesThePhotosPaneBesideTheToolbar) {
    TopControl top(nullptr, nullptr);
    top.resize(800, 161);
    top.Relayout();
    EXPECT_EQ(top.Photos()->geometry(), QRect(49, 0, 751, 161));
    EXPECT_EQ(top.findChild<QWidget*>("mToolbar")->geometry(), QRect(0, 0, 49, 109));
}
