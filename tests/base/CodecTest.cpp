#include "base/Codec.h"
#include "base/LumbraError.h"

#include <gtest/gtest.h>

namespace {

TEST(CodecTest, EncodeBytesMatchesRfc4648Vectors) {
    const std::pair<const char*, const char*> vectors[] = {{"", ""},
                                                           {"f", "Zg=="},
                                                           {"fo", "Zm8="},
                                                           {"foo", "Zm9v"},
                                                           {"foob", "Zm9vYg=="},
                                                           {"fooba", "Zm9vYmE="},
                                                           {"foobar", "Zm9vYmFy"}};
    for (const auto& [plain, encoded] : vectors)
        EXPECT_EQ(Codec::EncodeBytes(QByteArray(plain)), QString::fromLatin1(encoded)) << plain;
}

TEST(CodecTest, EncodeUsesTheWholeAlphabetOnOneLine) {
    QByteArray bytes;
    for (int i = 0; i < 300; ++i)
        bytes.append(static_cast<char>(i * 7));
    const QString encoded = Codec::EncodeBytes(bytes);
    EXPECT_EQ(encoded.size(), 400);
    EXPECT_FALSE(encoded.contains(u'\n'));
    EXPECT_EQ(Codec::EncodeBytes(QByteArray("\xfb\xff\xbf", 3)), QStringLiteral("+/+/"));
}

TEST(CodecTest, EncodeStringUsesOneByteOfEveryCharacter) {
    EXPECT_EQ(Codec::EncodeString(QStringLiteral("{\\rtf1 Hello}")),
              Codec::EncodeBytes(QByteArray("{\\rtf1 Hello}")));
    // Latin-1 characters stand for their own code, not for UTF-8.
    EXPECT_EQ(Codec::EncodeString(QString(QChar(0xE9))), Codec::EncodeBytes(QByteArray("\xe9", 1)));
    EXPECT_THROW(Codec::EncodeString(QString(QChar(0x4E2D))), LumbraError);
}

TEST(CodecTest, DecodeRoundTripsEveryByteValue) {
    QString text;
    for (int i = 1; i < 256; ++i)
        text.append(QChar(i));
    for (int cut = 0; cut < 3; ++cut) {
        const QString part = text.left(text.size() - cut);
        EXPECT_EQ(Codec::DecodeString(Codec::EncodeString(part)), part) << cut;
    }
}

TEST(CodecTest, DecodeSkipsLineBreaksAndBlanks) {
    const QString plain = QStringLiteral("The quick brown fox jumps over the lazy dog");
    const QString encoded = Codec::EncodeString(plain);
    QString broken;
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        broken += encoded.at(i);
        if (i % 5 == 4)
            broken += (i % 2) ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    EXPECT_EQ(Codec::DecodeString(broken), plain);
    EXPECT_EQ(Codec::DecodeString(QStringLiteral("Zm9v\tYmFy\n")), QStringLiteral("foobar"));
}

TEST(CodecTest, DecodeEdgeCases) {
    EXPECT_EQ(Codec::DecodeString(QString()), QString());
    EXPECT_EQ(Codec::DecodeString(QStringLiteral("Zm9")), QString()); // shorter than 4
    EXPECT_EQ(Codec::DecodeString(QStringLiteral("Zg==")), QStringLiteral("f"));
    EXPECT_EQ(Codec::DecodeString(QStringLiteral("Zm8=")), QStringLiteral("fo"));
    // A trailing partial group is dropped, padded or not.
    EXPECT_EQ(Codec::DecodeString(QStringLiteral("Zm9vYm")), QStringLiteral("foo"));
    EXPECT_EQ(Codec::DecodeString(QStringLiteral("Zm9vY===")), QStringLiteral("foo"));
    // Four characters that are only three alphabet characters give nothing.
    EXPECT_EQ(Codec::DecodeString(QStringLiteral("Zm 9")), QString());
    // A padded group ends its run; the next group starts afresh.
    EXPECT_EQ(Codec::DecodeString(QStringLiteral("Zg==Zm8=Zm9v")), QStringLiteral("ffofoo"));
    EXPECT_THROW(Codec::DecodeString(QStringLiteral("Zm9v") + QChar(0x4E2D)), LumbraError);
}

} // namespace
