#include "base/HiddenCharacters.h"

#include <gtest/gtest.h>

namespace {

// Not QString::fromUcs4, which drops a leading U+FEFF as a byte order mark.
QString WithCodePoint(char32_t c) { return QStringView(QChar::fromUcs4(c)).toString(); }

// The characters that make one name look like another, and their neighbours
// that are ordinary text.
TEST(HiddenCharacters, EveryInvisibleAndDirectionCharacterIsHidden) {
    const char32_t hidden[] = {0x200E, 0x200F, 0x00AD, 0x061C,  0x2062,  0x034F,  0x180E,  0x3164,
                               0x2028, 0x2029, // reported
                               0x202A, 0x202B, 0x202C, 0x202D,  0x202E,  0x2066,  0x2067,  0x2068,
                               0x2069, // bidi controls
                               0x200B, 0x200C, 0x200D, 0x2060,  0xFEFF,  0x115F,  0x1160,  0x17B4,
                               0x180B, 0xFE0F, 0xFFA0, 0x1BCA0, 0x1D173, 0xE0001, 0xE0041, 0xE0FFF};
    for (const char32_t c : hidden) {
        EXPECT_TRUE(IsHiddenCharacter(c)) << std::hex << uint(c);
        const QString name = QStringLiteral("Tr") + WithCodePoint(c) + QStringLiteral("ip");
        const std::optional<char32_t> found = FirstHiddenCharacter(name);
        ASSERT_TRUE(found) << std::hex << uint(c);
        EXPECT_EQ(*found, c);
    }
    const char32_t visible[] = {u'a',   u' ',   0x00AC, 0x00AE, 0x034E, 0x0627,  0x05D0, 0x2027,
                                0x202F, 0x205F, 0x3000, 0x3165, 0xFE10, 0x1F600, 0xE1000};
    for (const char32_t c : visible)
        EXPECT_FALSE(IsHiddenCharacter(c)) << std::hex << uint(c);
    EXPECT_FALSE(FirstHiddenCharacter(QString::fromUtf8("Übung 旅行 رحلة 😀")));
}

TEST(HiddenCharacters, AnUnpairedSurrogateCountsAsHidden) {
    const QString lone = QStringLiteral("a") + QChar(0xD83D) + QStringLiteral("b");
    ASSERT_TRUE(FirstHiddenCharacter(lone));
    EXPECT_EQ(*FirstHiddenCharacter(lone), 0xD83Du);
    EXPECT_EQ(WithHiddenShown(lone), QStringLiteral("a[U+D83D]b"));
}

TEST(HiddenCharacters, MessagesNameThemByTheirCode) {
    EXPECT_EQ(CodePointName(0x200E), QStringLiteral("U+200E"));
    EXPECT_EQ(CodePointName(0xAD), QStringLiteral("U+00AD"));
    EXPECT_EQ(CodePointName(0xE0041), QStringLiteral("U+E0041"));
    const QString name = QStringLiteral("gpj") + QChar(0x202E) + QStringLiteral("x\n😀");
    EXPECT_EQ(WithHiddenShown(name), QString::fromUtf8("gpj[U+202E]x[U+000A]😀"));
}

} // namespace
