#include "RenderFixtures.h"

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

TEST_F(SceneOfAPage, TheSnapshotHoldsThePagesPlacementsAsValues) {
    photo->SetPlacement(100, -50, 0.5f, 180);
    aPage->SetText(0, Rtf(QStringLiteral("Hello")));
    aPage->ChangeBackground(QStringLiteral("leaf"));

    const PageSnapshot snapshot = SnapshotPage(*aPage);
    ASSERT_EQ(snapshot.photoBoxes.size(), 1u);
    ASSERT_EQ(snapshot.photos.size(), 1u);
    ASSERT_TRUE(snapshot.photos[0]);
    const PhotoPlacement& placed = *snapshot.photos[0];
    EXPECT_EQ(placed.name, photo->GetName());
    EXPECT_EQ(placed.File(ThumbType::Original), photo->GetThumbFile(ThumbType::Original));
    EXPECT_EQ(placed.fullSize, QSize(2890, 2080));
    EXPECT_EQ(placed.boxMm, QSizeF(289, 208));
    EXPECT_EQ(placed.x, 100);
    EXPECT_EQ(placed.y, -50);
    EXPECT_FLOAT_EQ(placed.ratio, 0.5f);
    EXPECT_EQ(placed.angle, 180);
    EXPECT_EQ(snapshot.texts, std::vector<QString>{aPage->text(0)});
    EXPECT_EQ(snapshot.background, QStringLiteral("leaf"));
    // Later changes of the page do not reach a snapshot taken before.
    photo->SetPlacement(0, 0, 1.0f, 0);
    EXPECT_EQ(placed.x, 100);
}

TEST_F(SceneOfAPage, RenderingsOfTheSnapshotShowThePhotosAndTextsThePageHolds) {
    aPage->SetText(0, Rtf(QStringLiteral("HHHH HHHH")));
    const PageRenderer renderer(dir.path() + QLatin1Char('/'), QSizeF(kPageW, kPageH));
    const PageSnapshot snapshot = SnapshotPage(*aPage);
    for (RenderMode mode : {RenderMode::Thumbnail, RenderMode::Print}) {
        const QImage image = renderer.Render(snapshot, QSize(578, 416), mode);
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

    const PageSnapshot snapshot = SnapshotPage(*aPage);
    ASSERT_EQ(snapshot.photos.size(), 1u);
    EXPECT_TRUE(snapshot.photos[0]->tooSmall);

    const auto stock = std::make_shared<PhotoImage>();
    stock->CopyName(aPage->Photo(0)->GetName());
    stock->SetKey(folder.Path(), aPage->Photo(0)->GetKey());
    stock->SetPhotoBox(aPage->Template()->PhotoBox(0));
    EXPECT_FALSE(stock->ImageTooSmall());
}
