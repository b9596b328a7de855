#include "base/Result.h"
#include "base/LumbraError.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

struct FailureCase {
    const char* name;
    std::function<int()> work;
    QString message;
    QString detail;
};

} // namespace

TEST(Result, ResultOfTurnsWhatWasThrownIntoAFailureForTheUserAndTheLog) {
    const QString fallback = "Could not do it.";
    const FailureCase cases[] = {
        {"user message", []() -> int { throw LumbraError("disk full at /x", "The disk is full."); },
         "The disk is full.", "disk full at /x"},
        {"no user message", []() -> int { throw LumbraError("bad page 3"); }, fallback,
         "bad page 3"},
        {"other exception, UTF-8",
         []() -> int {
             throw std::runtime_error("Gr\xc3\xb6\xc3\x9f"
                                      "e");
         },
         fallback,
         QString::fromUtf8("Gr\xc3\xb6\xc3\x9f"
                           "e")},
    };
    for (const FailureCase& c : cases) {
        const Result<int> result = ResultOf(c.work, fallback);
        ASSERT_FALSE(result) << c.name;
        EXPECT_EQ(result.Error().message, c.message) << c.name;
        EXPECT_EQ(result.Error().detail, c.detail) << c.name;
    }

    const Result<int> value = ResultOf([] { return 7; }, fallback);
    ASSERT_TRUE(value.HasValue());
    EXPECT_EQ(value.Value(), 7);
    int runs = 0;
    EXPECT_TRUE(ResultOf([&runs] { ++runs; }, fallback));
    EXPECT_EQ(runs, 1);
    const Result<void> failed = ResultOf([] { throw LumbraError("gone"); }, fallback);
    ASSERT_FALSE(failed.HasValue());
    EXPECT_EQ(failed.Error().detail, "gone");
}
