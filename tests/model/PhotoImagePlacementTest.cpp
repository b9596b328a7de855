#include "imaging/TestJpegs.h"
#include "model/QuadrantPhoto.h"

#include "model/PhotoImage.h"
#include "model/TemplateBox.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

using PlacedPhoto = QuadrantPhoto;

} // namespace

TEST_F(PlacedPhoto, BoundsFollowZoomAndAngle) {
    // Window 800 x 400: no room sideways, 100 pixels up and down.
    EXPECT_FALSE(photo.ImageTooSmall());
    EXPECT_TRUE(photo.SetImageLocation(50, 500));
    EXPECT_EQ(photo.X(), 0);
    EXPECT_EQ(photo.Y(), 100);
    EXPECT_FALSE(photo.SetImageLocation(-7, 101));
    EXPECT_TRUE(photo.SetImageLocation(0, -1000));
    EXPECT_EQ(photo.Y(), -100);

    photo.SetRatio(0.5f); // window 400 x 200: 4 pixels per mm
    EXPECT_TRUE(photo.ImageTooSmall());
    EXPECT_TRUE(photo.SetImageLocation(-500, -500));
    EXPECT_EQ(photo.X(), -200);
    EXPECT_EQ(photo.Y(), -200);

    photo.SetAngle(90); // 600 x 800 turned: window 300 x 150
    EXPECT_EQ(photo.X(), -150);
    EXPECT_EQ(photo.Y(), -200);
    EXPECT_TRUE(photo.SetImageLocation(0, 1000));
    EXPECT_EQ(photo.Y(), 325);

    photo.SetRatio(1.0f); // window 600 x 300
    EXPECT_FALSE(photo.ImageTooSmall());
    EXPECT_EQ(photo.Y(), 250);
    EXPECT_EQ(photo.Serialize(), photo.GetName() + QStringLiteral(",0,250,1,90"));

    photo.ResetPhoto();
    EXPECT_EQ(photo.X(), 0);
    EXPECT_EQ(photo.Y(), 0);
    EXPECT_EQ(photo.Angle(), 0);
    EXPECT_FLOAT_EQ(photo.ratio(), 1.0f);
    ASSERT_TRUE(photo.PhotoBox());
}

TEST_F(PlacedPhoto, RecordOfATurnedMovedPhotoReadsBackWhole) {
    photo.SetAngle(90);
    photo.SetRatio(1.0f);
    photo.SetImageLocation(0, 250);
    const QString record = photo.Serialize();
    ASSERT_EQ(record, photo.GetName() + QStringLiteral(",0,250,1,90"));
    photo.ResetPhoto();
    photo.Deserialize(record);
    EXPECT_EQ(photo.Serialize(), record);
}

TEST_F(PlacedPhoto, RecordReadBackInBoxGivesTheSameText) {
    photo.Deserialize(photo.GetName() + QStringLiteral(",5,-3,0.5,180"));
    EXPECT_EQ(photo.Serialize(), photo.GetName() + QStringLiteral(",5,-3,0.5,180"));
    photo.Deserialize(photo.GetName() + QStringLiteral(",5000,-3000,1,0")); // clamped
    EXPECT_EQ(photo.Serialize(), photo.GetName() + QStringLiteral(",0,-100,1,0"));
}
