#include "render/PageScene.h"

#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/Templates.h"

#include <gtest/gtest.h>

// A photo of 2000 pixels over a 10 mm box has 200 pixels per mm: too few for
// a catalogue that asks for 300, enough for the stock minima.
TEST(PageSceneTest, PhotosAreTooSmallByTheirPagesCatalogue) {
    Templates strict(QByteArray("+Page-289,208,4,2,6,3,8.5039,8.5039,300,150\n"
                                "+DefaultTemplate-Photo[0, 0, 289, 208, 0]\n"),
                     nullptr);
    ModelContext context;
    context.templates = &strict;
    PhotoFolder folder;
    const auto aPage = std::make_shared<Page>(context);
    aPage->SetTemplate(RowTemplate(1, 0));
    aPage->AddPhoto(folder.Make(1), 5, 5);
    ASSERT_TRUE(aPage->Photo(0)->ImageTooSmall());

    const PageScene scene = DetachedScene(SnapshotPage(*aPage));
    ASSERT_EQ(scene.photos.size(), 1u);
    EXPECT_EQ(scene.photos[0]->MinimumRatios().x, 300.0);
    EXPECT_TRUE(scene.photos[0]->ImageTooSmall());

    const auto stock = std::make_shared<PhotoImage>();
    stock->CopyName(aPage->Photo(0)->GetName());
    stock->SetKey(folder.Path(), aPage->Photo(0)->GetKey());
    stock->SetPhotoBox(aPage->Template()->PhotoBox(0));
    EXPECT_FALSE(stock->ImageTooSmall());
}
