#include "model/PageTextForm.h"

#include <gtest/gtest.h>

namespace {
const QString kKeyA = "0123456789abcdef0123456789abcdef";
const QString kKeyB = "fedcba9876543210fedcba9876543210";
} // namespace

TEST(PageTextFormTest, WritesEntriesInOrder) {
    PageTextForm::Parts parts;
    parts.templateForm = "Photo[0,0,289,208,0]Text[30,180,230,25,0]";
    parts.photoRecords = QStringList{""};
    parts.encodedTexts = QStringList{""};
    EXPECT_EQ(PageTextForm::Write(parts),
              "Photo[0,0,289,208,0]Text[30,180,230,25,0]Image{}Text{}bgImage()");
    parts.photoRecords = QStringList{"5F" + kKeyA + ",-12,40,0.8,90", ""};
    parts.encodedTexts = QStringList{"QUJD", "", "RA=="};
    parts.background = "beach";
    EXPECT_EQ(PageTextForm::Write(parts), parts.templateForm + "Image{5F" + kKeyA +
                                              ",-12,40,0.8,90}Image{}" +
                                              "Text{QUJD}Text{}Text{RA==}bgImage(beach)");
}

TEST(PageTextFormTest, ReadsImagesTextsAndBackground) {
    const QString form = "Photo[0,0,1,1,0]Photo[2,2,1,1,0]Text[3,3,1,1,0]Image{1A" + kKeyA +
                         ",5,-3,0.5,180}Image{}Image{ 2B" + kKeyB + " }Text{QUJD}Text{}" +
                         "bgImage(sky)";
    const QList<PageTextForm::ImageEntry> images = PageTextForm::ReadImages(form);
    ASSERT_EQ(images.size(), 3);
    EXPECT_EQ(images[0].key, kKeyA);
    EXPECT_EQ(images[0].record, QString("5,-3,0.5,180"));
    EXPECT_EQ(images[1].key, QString());
    EXPECT_FALSE(images[1].record.has_value());
    EXPECT_EQ(images[2].key, kKeyB); // trimmed, no record
    EXPECT_FALSE(images[2].record.has_value());
    EXPECT_EQ(PageTextForm::ReadTexts(form), QStringList({"QUJD", ""}));
    EXPECT_EQ(PageTextForm::ReadBackground(form), QString("sky"));
}

TEST(PageTextFormTest, BackgroundNeedsBothParentheses) {
    EXPECT_EQ(PageTextForm::ReadBackground("Image{}bgImage()"), QString(""));
    EXPECT_FALSE(PageTextForm::ReadBackground("Image{}bgImage(").has_value());
    EXPECT_FALSE(PageTextForm::ReadBackground("Image{}bgImage").has_value());
    EXPECT_FALSE(PageTextForm::ReadBackground("a)b(c").has_value());
}

TEST(PageTextFormTest, TextBodiesMayHoldPlusAndOpenBraces) {
    const QString form = "Text[1,1,1,1,0]Image{}Text{Pj4+Pg==}Text{a{b}bgImage()";
    EXPECT_EQ(PageTextForm::ReadTexts(form), QStringList({"Pj4+Pg==", "a{b"}));
}
