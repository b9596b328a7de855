#include "render/rtf/RtfFontSizes.h"

#include "RtfTestSupport.h"

#include <gtest/gtest.h>

namespace {

QString Tripled(const QString& rtf) { return ScaleRtfFontSizes(rtf, kTextSizeFactor); }

TEST(RtfFontSizesTest, SizeWordsAreTripled) {
    EXPECT_EQ(Tripled(u"\\fs24 text"_qs), u"\\fs72 text"_qs);
    EXPECT_EQ(Tripled(u"{\\rtf1\\f0\\fs20 a\\fs21\\b b\\par}"_qs),
              u"{\\rtf1\\f0\\fs60 a\\fs63\\b b\\par}"_qs);
    EXPECT_EQ(Tripled(u"\\fs0 x"_qs), u"\\fs0 x"_qs);
}

TEST(RtfFontSizesTest, EscapedBackslashIsText) {
    EXPECT_EQ(Tripled(u"a\\\\fs24 b"_qs), u"a\\\\fs24 b"_qs);
    // an escaped backslash followed by a real size word
    EXPECT_EQ(Tripled(u"C:\\\\\\fs24 b"_qs), u"C:\\\\\\fs72 b"_qs);
    EXPECT_EQ(Tripled(u"\\\\\\\\fs24 b"_qs), u"\\\\\\\\fs24 b"_qs);
}

TEST(RtfFontSizesTest, OnlySizeWordsFollowedByADigitCount) {
    const QString fonts = u"{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fscript Ink;}}\\fs \\fs-4 x"_qs;
    EXPECT_EQ(Tripled(fonts), fonts);
}

TEST(RtfFontSizesTest, NothingAroundTheNumberIsLost) {
    EXPECT_EQ(Tripled(u"{\\fs24}{\\fs10;x}"_qs), u"{\\fs72}{\\fs30;x}"_qs);
    EXPECT_EQ(Tripled(u"\\fs24"_qs), u"\\fs72"_qs);         // no blank after it
    EXPECT_EQ(Tripled(u"\\fs20 Hi}"_qs), u"\\fs60 Hi}"_qs); // the last character stays
    EXPECT_EQ(Tripled(u"\\fs"_qs), u"\\fs"_qs);
    EXPECT_EQ(Tripled(QString()), QString());
}

TEST(RtfFontSizesTest, RoundsHalvesToEvenAndSaturates) {
    EXPECT_EQ(ScaleRtfFontSizes(u"\\fs3 \\fs5 \\fs7 ", 1.5), u"\\fs4 \\fs8 \\fs10 "_qs);
    EXPECT_EQ(Tripled(u"\\fs99999999999999999999 x"_qs), u"\\fs3000000000 x"_qs);
}

} // namespace
