#include "base/ProgramInfo.h"
#include "base/LumbraError.h"

#include "BuildConfig.h"

#include <gtest/gtest.h>

TEST(ProgramInfo, VersionNumberIsMajorMinorTimesHundred) {
    EXPECT_EQ(VersionNumberOf(2, 1), 20100);
    EXPECT_EQ(VersionNumberOf(0, 0), 0);
    EXPECT_EQ(VersionNumberOf(3, 27), 32700);
    EXPECT_EQ(VersionNumber(), (BuildConfig::VersionMajor * 100 + BuildConfig::VersionMinor) * 100);
}

TEST(ProgramInfo, VersionNumberAbove32767Overflows) {
    EXPECT_THROW(VersionNumberOf(3, 28), LumbraError);    // 32800
    EXPECT_THROW(VersionNumberOf(400, 0), LumbraError);   // overflows in the first product
    EXPECT_THROW(VersionNumberOf(70000, 0), LumbraError); // not even a 16-bit major
}
