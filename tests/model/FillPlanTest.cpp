#include "model/FillPlan.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const QSizeF kLandBox(150, 100), kPortBox(100, 150);
const QSize kLand(3000, 2000), kPort(2000, 3000);
constexpr int64_t kHour = 3600;

// `count` photos of the given shape, an hour apart from `start` on.
std::vector<FillPhoto> Photos(int count, QSize size = kLand, int64_t start = 0) {
    std::vector<FillPhoto> photos;
    for (int i = 0; i < count; ++i)
        photos.push_back({size, start + i * kHour});
    return photos;
}

FillInput Input(std::vector<FillPhoto> photos, std::vector<FillTemplate> templates,
                int emptyPages = 20, int maxPages = 100) {
    FillInput input;
    input.photos = std::move(photos);
    input.templates = std::move(templates);
    input.pages.assign(size_t(emptyPages), FillPage{});
    input.rules.maxPages = maxPages;
    return input;
}

// Templates of 1 to `most` landscape boxes.
std::vector<FillTemplate> LandscapeRows(int most) {
    std::vector<FillTemplate> templates;
    for (int n = 1; n <= most; ++n)
        templates.push_back({std::vector<QSizeF>(size_t(n), kLandBox)});
    return templates;
}

// Photo indices page by page.
std::vector<std::vector<int>> PhotosByPage(const FillPlan& plan) {
    std::vector<std::vector<int>> pages;
    for (const FillPagePlan& page : plan.pages) {
        pages.emplace_back();
        for (const FillPlacement& placement : page.placements)
            pages.back().push_back(placement.photo);
    }
    return pages;
}

} // namespace

TEST(FillPlan, PutsPhotosInBoxesOfTheirShape) {
    struct Case {
        const char* name;
        std::vector<QSize> photos;
        std::vector<FillTemplate> templates;
        int chosen;
        std::vector<int> boxOfPhoto;
    };
    const Case cases[] = {
        {"portrait first", {kPort, kLand}, {{{kLandBox, kPortBox}}}, 0, {1, 0}},
        {"landscape first", {kLand, kPort}, {{{kLandBox, kPortBox}}}, 0, {0, 1}},
        {"the template that matches",
         {kPort, kPort},
         {{{kLandBox, kLandBox}}, {{kPortBox, kPortBox}}},
         1,
         {0, 1}},
        {"one portrait", {kPort}, {{{kLandBox}}, {{kPortBox}}}, 1, {0}},
        {"one landscape", {kLand}, {{{kPortBox}}, {{kLandBox}}}, 1, {0}},
    };
    for (const Case& c : cases) {
        std::vector<FillPhoto> photos;
        for (const QSize size : c.photos)
            photos.push_back({size, int64_t(photos.size())});
        const FillPlan plan = PlanFill(Input(photos, c.templates, 1, 1));
        ASSERT_EQ(plan.pages.size(), 1u) << c.name;
        EXPECT_EQ(plan.pages[0].templateIndex, c.chosen) << c.name;
        for (const FillPlacement& placement : plan.pages[0].placements)
            EXPECT_EQ(placement.box, c.boxOfPhoto[size_t(placement.photo)]) << c.name;
    }
}

TEST(FillPlan, AvoidsBoxesThePhotoIsTooSmallFor) {
    // 600 x 400 pixels give a 150 x 100 mm box only 4 per mm; a 100 x 66 mm one 6.
    const std::vector<FillTemplate> templates = {{{kLandBox}}, {{QSizeF(100, 66)}}};
    const FillPlan plan = PlanFill(Input({{QSize(600, 400), 0}}, templates, 1, 1));
    ASSERT_EQ(plan.pages.size(), 1u);
    EXPECT_EQ(plan.pages[0].templateIndex, 1);
    // With no other choice the photo still goes in.
    EXPECT_EQ(PlanFill(Input({{QSize(600, 400), 0}}, {{{kLandBox}}}, 1, 1)).pages.size(), 1u);
}

TEST(FillPlan, LaysPhotosOutInTheOrderTaken) {
    std::vector<FillPhoto> photos = {{kLand, 50}, {kLand, 10}, {kLand, 30}, {kLand, 10}};
    const FillPlan plan = PlanFill(Input(photos, LandscapeRows(1), 20, 20));
    EXPECT_EQ(PhotosByPage(plan), (std::vector<std::vector<int>>{{1}, {3}, {2}, {0}}));
    for (size_t i = 0; i < plan.pages.size(); ++i)
        EXPECT_EQ(plan.pages[i].page, int(i));
}

TEST(FillPlan, ADayBetweenPhotosStartsANewPage) {
    // Two pages for three photos: two go together, unless a day lies between.
    const int64_t day = 24 * kHour;
    const std::vector<FillPhoto> sameDay = {{kLand, 0}, {kLand, kHour}, {kLand, 20 * kHour}};
    EXPECT_EQ(PhotosByPage(PlanFill(Input(sameDay, LandscapeRows(3), 2, 2))),
              (std::vector<std::vector<int>>{{0, 1, 2}}));
    const std::vector<FillPhoto> nextDay = {{kLand, 0}, {kLand, kHour}, {kLand, kHour + day}};
    EXPECT_EQ(PhotosByPage(PlanFill(Input(nextDay, LandscapeRows(3), 2, 2))),
              (std::vector<std::vector<int>>{{0, 1}, {2}}));
}

TEST(FillPlan, VariesTheTemplateFromPageToPage) {
    const std::vector<FillTemplate> twoAlike = {{{kLandBox}}, {{kLandBox}}, {{kLandBox}}};
    const FillPlan plan = PlanFill(Input(Photos(12), twoAlike, 12, 12));
    ASSERT_EQ(plan.pages.size(), 12u);
    for (size_t i = 1; i < plan.pages.size(); ++i)
        EXPECT_NE(plan.pages[i].templateIndex, plan.pages[i - 1].templateIndex) << i;
}

TEST(FillPlan, FillsOnlyEmptyBoxesOfPagesWithContent) {
    FillInput input = Input(Photos(3), LandscapeRows(1), 3, 3);
    input.pages[0] = {false, {1}, {kLandBox, kLandBox}}; // box 0 holds a photo
    input.pages[1] = {false, {}, {kLandBox}};            // full
    const FillPlan plan = PlanFill(input);
    ASSERT_EQ(plan.pages.size(), 2u);
    EXPECT_EQ(plan.pages[0].page, 0);
    EXPECT_EQ(plan.pages[0].templateIndex, -1);
    EXPECT_EQ(plan.pages[0].placements.size(), 1u);
    EXPECT_EQ(plan.pages[0].placements[0].box, 1);
    EXPECT_EQ(plan.pages[1].page, 2);
    EXPECT_EQ(plan.pages[1].templateIndex, 0);
    EXPECT_EQ(plan.leftOver, std::vector<int>{2}); // no page left for it
}

TEST(FillPlan, AddsPagesUpToTheMostABookHolds) {
    struct Case {
        int photos;
        int lastPage; // highest page index used
        size_t leftOver;
    };
    // A 20-page book, templates of up to four photos, at most 100 pages; the
    // last two photos of a run share a page.
    for (const Case c : {Case{10, 8, 0}, Case{30, 18, 0}, Case{80, 19, 0}, Case{200, 49, 0},
                         Case{400, 99, 0}, Case{1000, 99, 600}}) {
        const FillPlan plan = PlanFill(Input(Photos(c.photos), LandscapeRows(4)));
        ASSERT_FALSE(plan.pages.empty());
        EXPECT_EQ(plan.pages.back().page, c.lastPage) << c.photos;
        EXPECT_EQ(plan.leftOver.size(), c.leftOver) << c.photos;
        std::set<int> placed;
        for (const FillPagePlan& page : plan.pages)
            for (const FillPlacement& placement : page.placements)
                EXPECT_TRUE(placed.insert(placement.photo).second) << "placed twice";
        EXPECT_EQ(placed.size() + plan.leftOver.size(), size_t(c.photos)) << c.photos;
    }
}
