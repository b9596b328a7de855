#include "model/PageDisplayHost.h"

#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"

#include <gtest/gtest.h>

TEST(ForwardingDisplayHostTest, HandsPhotosToItsTargetAndResetsThemWithoutOne) {
    PhotoFolder folder;
    RecordingHost pane;
    ForwardingDisplayHost host;
    const auto aPage = std::make_shared<Page>();
    const auto photo = folder.Make(1);

    host.SetTarget(&pane);
    host.AddDisplayPhoto(photo);
    host.RemoveDisplayPhoto(photo);
    EXPECT_EQ(pane.added, QStringList{photo->GetKey()});
    EXPECT_EQ(pane.removed, QStringList{photo->GetKey()});

    host.SetTarget(nullptr);
    photo->SetPage(aPage);
    photo->SetRatio(0.5f);
    host.AddDisplayPhoto(photo);
    host.RemoveDisplayPhoto(photo);
    EXPECT_EQ(pane.added.size(), 1);
    EXPECT_EQ(pane.removed.size(), 1);
    EXPECT_EQ(photo->GetPage(), nullptr);
    EXPECT_EQ(photo->ratio(), 1.0f);
}
