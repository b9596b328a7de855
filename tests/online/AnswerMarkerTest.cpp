#include "online/AnswerMarker.h"

#include <gtest/gtest.h>

TEST(AnswerMarker, TakesTheTextBetweenTheFirstMarkers) {
    EXPECT_EQ(ReadAnswerMarker("ok [(abc)] [(def)]"), QStringLiteral("abc"));
    EXPECT_EQ(ReadAnswerMarker("[()]"), QString());
    EXPECT_EQ(ReadAnswerMarker("<b>[(LB1001)]</b>\r\n"), QStringLiteral("LB1001"));
}

TEST(AnswerMarker, MissingOrMisplacedMarkersGiveNone) {
    EXPECT_FALSE(ReadAnswerMarker("abc)]"));
    EXPECT_FALSE(ReadAnswerMarker("[(abc"));
    EXPECT_FALSE(ReadAnswerMarker(")] before [(abc"));
    EXPECT_FALSE(ReadAnswerMarker("[)]"));
    EXPECT_FALSE(ReadAnswerMarker(""));
}

TEST(AnswerMarker, OnlyTheFirstHundredCharactersCount) {
    const QByteArray digest = "0123456789abcdef0123456789abcdef";
    const QByteArray fits = QByteArray(100 - 36, '.') + "[(" + digest + ")]";
    ASSERT_EQ(fits.size(), 100);
    EXPECT_EQ(ReadAnswerMarker(fits, kUploadAnswerLimit), QString::fromLatin1(digest));
    const QByteArray cut = "." + fits; // ")]" ends at character 101
    EXPECT_FALSE(ReadAnswerMarker(cut, kUploadAnswerLimit));
    EXPECT_EQ(ReadAnswerMarker(cut), QString::fromLatin1(digest)); // no limit
}
