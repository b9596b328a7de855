#include "base/Md5.h"

#include <gtest/gtest.h>

namespace {

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
    EXPECT_EQ(md5.Hash(QString(QChar(0xE9))), QStringLiteral("3406877694691ddd1dfb0aca54681407"));
}

} // namespace
