#include "imaging/TestJpegs.h"

#include "model/PhotoImage.h"
#include "model/PrintSizeCheck.h"
#include "model/TemplateBox.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::shared_ptr<const TemplateBox> Box(float width, float height) {
    auto box = std::make_shared<TemplateBox>();
    box->Deserialize(QStringLiteral("Photo[0,0,%1,%2,0").arg(width).arg(height));
    return box;
}

// A 1680 x 1120 photo, as many cameras and phones save them.
struct PrintSizeCheckTest : ::testing::Test {
    QTemporaryDir dir;
    PhotoImage photo;

    void SetUp() override {
        const QString source = dir.path() + QStringLiteral("/p.jpg");
        TestJpegs::Write(source, TestJpegs::PhotoLike(1680, 1120));
        photo.SetImage(source, dir.path() + QLatin1Char('/'));
        ASSERT_TRUE(photo.IsSupportedFormat());
    }
};

} // namespace

TEST_F(PrintSizeCheckTest, NoBoxNoCheck) { EXPECT_FALSE(photo.PrintCheck().has_value()); }

TEST_F(PrintSizeCheckTest, FullPageBoxNeedsMorePixelsThanA1680PhotoShows) {
    photo.SetPhotoBox(Box(289, 208), MinRatios{5.52, 5.52});
    const auto check = photo.PrintCheck();
    ASSERT_TRUE(check);
    EXPECT_EQ(check->picture, QSize(1680, 1120));
    // The box is wider than 3:2 allows: all 1120 rows, a part of the width.
    EXPECT_NEAR(check->window.width, 1120.0 * 289 / 208, 1e-6);
    EXPECT_DOUBLE_EQ(check->window.height, 1120.0);
    EXPECT_EQ(check->needed, QSize(int(std::ceil(289 * 5.52)), int(std::ceil(208 * 5.52))));
    EXPECT_TRUE(check->tooSmall); // 1120 / 208 = 5.38 per mm
    EXPECT_TRUE(photo.ImageTooSmall());
}

TEST_F(PrintSizeCheckTest, FollowsZoomAndAngleAsTheFlagDoes) {
    photo.SetPhotoBox(Box(150, 100));
    for (const int angle : {0, 90, 180, 270}) {
        for (const float ratio : {1.0f, 0.8f, 0.6f, 0.4f}) {
            photo.SetAngle(angle);
            photo.SetRatio(ratio);
            const auto check = photo.PrintCheck();
            ASSERT_TRUE(check);
            const bool turned = angle % 180 != 0;
            EXPECT_EQ(check->picture, turned ? QSize(1120, 1680) : QSize(1680, 1120));
            const double perMm = std::min(check->window.width / 150, check->window.height / 100);
            EXPECT_EQ(check->tooSmall, perMm < MinRatios::kStock) << angle << " " << ratio;
            EXPECT_EQ(check->tooSmall, photo.ImageTooSmall()) << angle << " " << ratio;
        }
    }
    photo.SetAngle(0);
    photo.SetRatio(1.0f); // all 1680 x 1120: 11.2 per mm
    EXPECT_FALSE(photo.PrintCheck()->tooSmall);
    photo.SetRatio(0.5f); // 840 x 560 shown: 5.6 per mm, just enough
    EXPECT_FALSE(photo.PrintCheck()->tooSmall);
    photo.SetRatio(0.45f);
    EXPECT_TRUE(photo.PrintCheck()->tooSmall);
}

TEST_F(PrintSizeCheckTest, AHugeBoxFromAPageTextNeedsAtMostTheLargestCount) {
    photo.SetPhotoBox(Box(3e12f, 208), MinRatios{5.52, 5.52});
    const auto check = photo.PrintCheck();
    ASSERT_TRUE(check);
    EXPECT_EQ(check->needed.width(), std::numeric_limits<int>::max());
    EXPECT_EQ(check->needed.height(), int(std::ceil(208 * 5.52)));
    EXPECT_TRUE(check->tooSmall);
}
