#include "base/Md5.h"
#include "base/LumbraError.h"

#include <gtest/gtest.h>

namespace {

// RFC 1321 padding: a 1 bit, zeros, then the bit length in the last two words.
std::vector<uint32_t> PaddedWords(const QByteArray& message) {
    const size_t length = message.size();
    std::vector<uint32_t> words((length + 8) / 64 * 16 + 16, 0);
    for (size_t i = 0; i < length; ++i)
        words[i / 4] |= uint32_t(uint8_t(message[i])) << (8 * (i % 4));
    words[length / 4] |= 0x80u << (8 * (length % 4));
    const uint64_t bits = uint64_t(length) * 8;
    words[words.size() - 2] = uint32_t(bits);
    words[words.size() - 1] = uint32_t(bits >> 32);
    return words;
}

const std::pair<const char*, const char*> Rfc1321Suite[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
     "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
};

TEST(Md5Test, Rfc1321Suite) {
    const Md5 md5;
    for (const auto& [input, digest] : Rfc1321Suite)
        EXPECT_EQ(md5.Hash(QString::fromLatin1(input)), QString::fromLatin1(digest)) << input;
}

TEST(Md5Test, HashesTheLowByteOfEveryCodeUnit) {
    const Md5 md5;
    EXPECT_EQ(md5.Hash(QString(QChar(0x4E2D))), md5.Hash(QStringLiteral("-"))); // 0x2D
    EXPECT_EQ(md5.Hash(QStringLiteral("C:/Photos/") + QChar(0x4E2D) + QStringLiteral(".jpg")),
              md5.Hash(QStringLiteral("C:/Photos/-.jpg")));
    // Latin-1 characters are their own byte, not their UTF-8 pair.
    EXPECT_EQ(md5.Hash(QString(QChar(0xE9))),
              md5.HashPaddedWords(PaddedWords(QByteArray("\xe9", 1))));
}

TEST(Md5Test, PaddedWordsAgreeWithTextOnPaddedMessages) {
    const Md5 md5;
    for (const auto& [input, digest] : Rfc1321Suite)
        EXPECT_EQ(md5.HashPaddedWords(PaddedWords(QByteArray(input))), QString::fromLatin1(digest)) << input;
    // Lengths around the block and padding boundaries.
    for (int length : {55, 56, 63, 64, 65, 119, 120, 1000}) {
        QByteArray message(length, '\0');
        for (int i = 0; i < length; ++i)
            message[i] = static_cast<char>('a' + (i * 13) % 26);
        EXPECT_EQ(md5.HashPaddedWords(PaddedWords(message)), md5.Hash(QString::fromLatin1(message))) << length;
    }
}

TEST(Md5Test, PaddedWordsRejectPartialBlocks) {
    const Md5 md5;
    EXPECT_THROW(md5.HashPaddedWords({}), LumbraError);
    EXPECT_THROW(md5.HashPaddedWords(std::vector<uint32_t>(15)), LumbraError);
    EXPECT_THROW(md5.HashPaddedWords(std::vector<uint32_t>(17)), LumbraError);
    EXPECT_NO_THROW(md5.HashPaddedWords(std::vector<uint32_t>(32)));
}

} // namespace
