#include "model/TemplateBox.h"
#include "base/LumbraError.h"
#include "model/Templates.h"

#include <gtest/gtest.h>

namespace {

TemplateBox Box(const QString& piece) {
    TemplateBox box;
    box.Deserialize(piece);
    return box;
}

TEST(TemplateBoxTest, ReadsKindAndGeometry) {
    const TemplateBox photo = Box(QStringLiteral("Photo[20, 16, 66.5, 64, 0"));
    EXPECT_EQ(photo.BoxType(), TemplateBox::Kind::Photo);
    EXPECT_FLOAT_EQ(photo.X(), 20);
    EXPECT_FLOAT_EQ(photo.Y(), 16);
    EXPECT_FLOAT_EQ(photo.width(), 66.5f);
    EXPECT_FLOAT_EQ(photo.height(), 64);
    // The four characters before the last "[" decide, whatever precedes them.
    using enum TemplateBox::Kind;
    EXPECT_EQ(Box(QStringLiteral(",\nText[30, 180, 230, 25, 0")).BoxType(), Text);
    EXPECT_EQ(Box(QStringLiteral(",\nPhoto[30, 180, 230, 25, 0")).BoxType(), Photo);
    EXPECT_EQ(Box(QStringLiteral(" Text [1,2,3,4,0")).BoxType(), Photo);
    EXPECT_EQ(Box(QStringLiteral("xText[1,2,3,4,0")).BoxType(), Text);
    EXPECT_EQ(Box(QStringLiteral("Blob[1,2,3,4,0")).BoxType(), Photo);
}

TEST(TemplateBoxTest, ReservedNumberIsNeverKept) {
    const TemplateBox plain = Box(QStringLiteral("Photo[1,2,3,4,0"));
    const TemplateBox blanks = Box(QStringLiteral("Photo[1, 2, 3, 4, 9"));
    EXPECT_EQ(plain.Serialize(), QStringLiteral("Photo[1,2,3,4,0]"));
    EXPECT_EQ(blanks.Serialize(), plain.Serialize());
    // Fields after the fourth are not read at all.
    EXPECT_EQ(Box(QStringLiteral("Text[1,2,3,4")).Serialize(), QStringLiteral("Text[1,2,3,4,0]"));
    EXPECT_EQ(Box(QStringLiteral("Text[1,2,3,4,x,y")).Serialize(),
              QStringLiteral("Text[1,2,3,4,0]"));
}

TEST(TemplateBoxTest, SerializesTheShortestFloatForm) {
    EXPECT_EQ(Box(QStringLiteral("Photo[20.5, 0.1, 1234567, 8.5039, 0")).Serialize(),
              QStringLiteral("Photo[20.5,0.1,1234567,8.5039,0]"));
    EXPECT_EQ(Box(QStringLiteral("Text[ 20.000 ,\n 3.25\n, 1e2, 0.3333333333, 0")).Serialize(),
              QStringLiteral("Text[20,3.25,100,0.3333333,0]"));
}

TEST(TemplateBoxTest, MalformedPiecesThrowAndLeaveTheBoxAlone) {
    TemplateBox box = Box(QStringLiteral("Text[5,6,7,8,0"));
    const QString before = box.Serialize();
    for (const char* piece : {"Photo[1,2,3", "Photo[1,2,x,4,0", "Photo[1,,3,4,0", "ext[1,2,3,4,0",
                              "Photo[1,2,3,nan,0", "Photo[1,2,3,inf,0"}) {
        EXPECT_THROW(box.Deserialize(QString::fromLatin1(piece)), LumbraError) << piece;
        EXPECT_EQ(box.Serialize(), before) << piece;
    }
    box.Deserialize(QStringLiteral(", no box here"));
    EXPECT_EQ(box.Serialize(), before);
}

TEST(TemplateBoxTest, IsInBoxIncludesAllFourEdges) {
    const TemplateBox box = Box(QStringLiteral("Photo[10, 20, 30, 40, 0"));
    EXPECT_TRUE(box.IsInBox(10, 20));
    EXPECT_TRUE(box.IsInBox(40, 60));
    EXPECT_TRUE(box.IsInBox(10, 60));
    EXPECT_TRUE(box.IsInBox(40, 20));
    EXPECT_TRUE(box.IsInBox(25, 40));
    EXPECT_FALSE(box.IsInBox(9.99f, 40));
    EXPECT_FALSE(box.IsInBox(40.01f, 40));
    EXPECT_FALSE(box.IsInBox(25, 19.99f));
    EXPECT_FALSE(box.IsInBox(25, 60.01f));
}

TEST(TemplateBoxTest, PhotoTooSmallUsesBothStrictMinima) {
    const MinRatios catalogue = Templates().PhotoMinRatios();
    const TemplateBox wide = Box(QStringLiteral("Photo[0, 0, 200, 100, 0"));
    const TemplateBox fitting = Box(QStringLiteral("Photo[0, 0, 150, 100, 0"));
    EXPECT_TRUE(wide.IsImageTooSmall(1000, 1000, catalogue));     // 5 < 5.52
    EXPECT_FALSE(fitting.IsImageTooSmall(1000, 1000, catalogue)); // 6.67 and 10
    EXPECT_TRUE(fitting.IsImageTooSmall(1000, 500, catalogue));   // height: 5 < 5.52
    EXPECT_FALSE(fitting.IsImageTooSmall(828, 552, catalogue));   // exactly the minimum
    EXPECT_TRUE(fitting.IsImageTooSmall(827, 552, catalogue));
    const TemplateBox text = Box(QStringLiteral("Text[0, 0, 200, 100, 0"));
    EXPECT_FALSE(text.IsImageTooSmall(10, 10, catalogue));
}

} // namespace
