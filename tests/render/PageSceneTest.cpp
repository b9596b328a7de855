#include "RenderFixtures.h"

#include "imaging/FreeImageBridge.h"
#include "imaging/PaintSurface.h"
#include "imaging/TestJpegs.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"
#include "render/PageScene.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace RenderFixtures;

namespace {

// A page of the default template: one photo box over the whole page and
// the text box 30, 180, 230 x 25 mm, with a green photo in the box.
struct SceneOfAPage : ::testing::Test {
    QTemporaryDir dir;
    ModelContext context;
    std::shared_ptr<Page> aPage;
    std::shared_ptr<PhotoImage> photo;

    void SetUp() override {
        context.templates = &TestCatalogue();
        aPage = std::make_shared<Page>(context);
        aPage->SetTemplate(TestCatalogue().GetDefaultTemplate());
        const QString source = dir.filePath(QStringLiteral("green.jpg"));
        TestJpegs::Write(source, Flat(2890, 2080, Qt::green));
        photo = std::make_shared<PhotoImage>();
        photo->SetImage(source, dir.path() + QLatin1Char('/'));
        aPage->AddPhoto(photo, 10, 10);
    }
};

} // namespace

TEST_F(SceneOfAPage, DetachedPhotosAreNewObjectsPlacedAsThePagesOwn) {
    photo->SetPlacement(100, -50, 0.5f, 180);
    aPage->SetText(0, Rtf(QStringLiteral("Hello")));
    aPage->SetBg(QStringLiteral("leaf"));

    const PageScene scene = DetachedScene(SnapshotPage(*aPage));
    ASSERT_EQ(scene.photoBoxes.size(), 1u);
    ASSERT_EQ(scene.photos.size(), 1u);
    const std::shared_ptr<PhotoImage>& copy = scene.photos[0];
    ASSERT_TRUE(copy);
    EXPECT_NE(copy, photo);
    EXPECT_EQ(copy->GetName(), photo->GetName());
    EXPECT_EQ(copy->GetKey(), photo->GetKey());
    EXPECT_EQ(copy->GetThumbFile(ThumbType::Original), photo->GetThumbFile(ThumbType::Original));
    EXPECT_EQ(copy->X(), 100);
    EXPECT_EQ(copy->Y(), -50);
    EXPECT_FLOAT_EQ(copy->ratio(), 0.5f);
    EXPECT_EQ(copy->Angle(), 180);
    EXPECT_EQ(scene.texts, std::vector<QString>{aPage->text(0)});
    EXPECT_EQ(scene.background, QStringLiteral("leaf"));
}

TEST_F(SceneOfAPage, RenderingsOfTheSnapshotShowThePhotosAndTextsThePageHolds) {
    aPage->SetText(0, Rtf(QStringLiteral("HHHH HHHH")));
    const PageRenderer renderer(dir.path() + QLatin1Char('/'), QSizeF(cPageW, cPageH));
    const PageScene scene = DetachedScene(SnapshotPage(*aPage));
    const QImage screen =
        renderer.RenderPageBitMap(scene, 578, 416, RenderMode::Thumbnail)->image()->copy();
    const FiBitmap print = renderer.RenderPageFreeImage(scene, 578, 416);
    for (const QImage& image : {screen, FiToQImage(print.get())}) {
        EXPECT_TRUE(TestJpegs::Near(image.pixel(289, 100), Qt::green));
        EXPECT_GT(CountPixels(image, QRect(60, 360, 460, 50), IsDark), 50);
    }
}

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
