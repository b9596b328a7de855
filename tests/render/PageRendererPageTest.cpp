#include "RenderFixtures.h"

#include "render/PagePixels.h"
#include "render/PageRenderer.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/PaintSurface.h"
#include "model/PhotoImage.h"
#include "imaging/TestJpegs.h"
#include "model/ModelTestSupport.h"
#include "model/Templates.h"
#include "model/Page.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace RenderFixtures;

namespace {

// A page of the default template: one photo box over the whole page and
// the text box 30, 180, 230 x 25 mm.
struct PageRenderingOfAPage : ::testing::Test {
    QTemporaryDir dir;
    ModelContext context;
    std::shared_ptr<Page> aPage;
    const PageRenderer renderer = PageRenderer::ForCatalogue(TestCatalogue(), QString());

    void SetUp() override {
        context.templates = &TestCatalogue();
        aPage = std::make_shared<Page>(context);
        aPage->SetTemplate(TestCatalogue().GetDefaultTemplate());
    }
};

} // namespace

TEST_F(PageRenderingOfAPage, Mode1ReplacesTheThumbnailMode2LeavesItAlone) {
    EXPECT_FALSE(aPage->Thumbnail());
    const auto first = aPage->RenderPageBitMap(renderer, 290, 208, 1);
    EXPECT_EQ(aPage->Thumbnail(), first);
    const auto editing = aPage->RenderPageBitMap(renderer, 290, 208, 2);
    EXPECT_EQ(aPage->Thumbnail(), first);
    const auto second = aPage->RenderPageBitMap(renderer, 290, 208, 1);
    EXPECT_EQ(aPage->Thumbnail(), second);
    EXPECT_NE(second, first);
    // The empty photo box over the whole page: its frame in mode 2 only.
    EXPECT_EQ(editing->image()->pixel(0, 0), cDarkGrey);
    EXPECT_EQ(second->image()->pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(PageRenderingOfAPage, DrawsThePhotosAndTextsThePageHolds) {
    const QString source = dir.filePath(QStringLiteral("green.jpg"));
    TestJpegs::Write(source, Flat(2890, 2080, Qt::green));
    auto photo = std::make_shared<PhotoImage>();
    photo->SetImage(source, dir.path() + QLatin1Char('/'));
    aPage->AddPhoto(photo, 10, 10);
    aPage->SetText(0, Rtf(QStringLiteral("HHHH HHHH")));
    const QImage screen = aPage->RenderPageBitMap(renderer, 578, 416, 1)->image()->copy();
    const FiBitmap print = aPage->RenderPageFreeImage(renderer, 578, 416);
    for (const QImage& image : {screen, FiToQImage(print.get())}) {
        EXPECT_TRUE(TestJpegs::Near(image.pixel(289, 100), Qt::green));
        EXPECT_GT(CountPixels(image, QRect(60, 360, 460, 50), IsDark), 50);
    }
}
