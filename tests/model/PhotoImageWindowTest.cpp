#include "model/PhotoImageWindow.h"
#include "model/PhotoImage.h"

#include <gtest/gtest.h>

TEST(PhotoImageWindow, WindowKeepsTheBoxShape) {
    // 4000 x 3000 picture in a square box: relatively wider, full height.
    PhotoWindow w = VisibleWindow(4000, 3000, 50, 50, 1.0);
    EXPECT_DOUBLE_EQ(w.width, 3000);
    EXPECT_DOUBLE_EQ(w.height, 3000);
    // Same picture in a wide strip box 100 x 20 mm: full width.
    w = VisibleWindow(4000, 3000, 100, 20, 1.0);
    EXPECT_DOUBLE_EQ(w.width, 4000);
    EXPECT_DOUBLE_EQ(w.height, 800);
    // Zoomed in.
    w = VisibleWindow(4000, 3000, 100, 20, 0.5);
    EXPECT_DOUBLE_EQ(w.width, 2000);
    EXPECT_DOUBLE_EQ(w.height, 400);
    // Turned picture (3000 x 4000) in a landscape box.
    w = VisibleWindow(3000, 4000, 289, 208, 1.0);
    EXPECT_DOUBLE_EQ(w.width, 3000);
    EXPECT_NEAR(w.height, 3000.0 * 208 / 289, 1e-9);
}

TEST(PhotoImageWindow, BoundsAreSymmetricAndTruncate) {
    OffsetBounds b = WindowOffsetBounds(4000, 3000, PhotoWindow{3000, 3000});
    EXPECT_EQ(b.highX, 500);
    EXPECT_EQ(b.lowX, -500);
    EXPECT_EQ(b.highY, 0);
    EXPECT_EQ(b.lowY, 0);
    // round(4000 - 2998.5) = 1002 (half to even: 1001.5 -> 1002) -> 501
    b = WindowOffsetBounds(4000, 3000, PhotoWindow{2998.5, 2999.5});
    EXPECT_EQ(b.highX, 501);
    EXPECT_EQ(b.lowX, -501);
    // round(0.5) = 0 -> 0; odd rounds truncate toward zero: round(3) \ 2 = 1
    EXPECT_EQ(b.highY, 0);
    b = WindowOffsetBounds(103, 100, PhotoWindow{100, 97});
    EXPECT_EQ(b.highX, 1);
    EXPECT_EQ(b.lowX, -1);
    EXPECT_EQ(b.highY, 1);
}

TEST(PhotoImageWindow, WindowRectFollowsTheOffset) {
    const PhotoWindow w{300, 200};
    EXPECT_EQ(WindowRect(1000, 800, 0, 0, w), QRect(350, 300, 300, 200));
    // Positive X moves the content right: the window moves left.
    EXPECT_EQ(WindowRect(1000, 800, 100, -50, w), QRect(250, 350, 300, 200));
    // Never outside the picture.
    const QRect clipped = WindowRect(1000, 800, 600, 0, w);
    EXPECT_EQ(clipped.left(), 0);
    EXPECT_TRUE(QRect(0, 0, 1000, 800).contains(clipped));
}

namespace {

struct TypeCase {
    int x, y;
    ThumbType type;
};

void ExpectTypes(ThumbType (*choose)(int, int), std::initializer_list<TypeCase> cases) {
    for (const TypeCase& c : cases)
        EXPECT_EQ(choose(c.x, c.y), c.type) << c.x << " x " << c.y;
}

constexpr ThumbType S = ThumbType::Small;
constexpr ThumbType M = ThumbType::Medium;
constexpr ThumbType L = ThumbType::Large;
constexpr ThumbType O = ThumbType::Original;

} // namespace

TEST(PhotoImageWindow, ThumbnailChoiceAtTheLimits) {
    ExpectTypes(&PhotoImage::GetOptimalThumbType, {{120, 120, S},
                                                   {121, 50, M},
                                                   {400, 400, M},
                                                   {401, 10, L},
                                                   {10, 850, L},
                                                   {851, 10, O},
                                                   {10, 851, O}});
    ExpectTypes(&PhotoImage::GetBackgroundOptimalThumbType, {{145, 104, S},
                                                             {145, 105, M},
                                                             {800, 576, M},
                                                             {801, 10, L},
                                                             {10, 577, L},
                                                             {1127, 811, L},
                                                             {1128, 811, O},
                                                             {10, 812, O}});
}
