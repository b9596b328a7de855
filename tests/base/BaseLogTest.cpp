#include "base/BaseLog.h"
#include "base/LogCapture.h"
#include "base/LumbraError.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList LogOf(const std::function<void()>& thrower) {
    LogCapture log;
    try {
        thrower();
    } catch (...) {
        LogCaughtException(lcBase(), "reading the list");
    }
    return log.Warnings();
}

} // namespace

TEST(BaseLog, CaughtExceptionsAreLoggedWithTheirMessageUnderTheCategory) {
    EXPECT_EQ(LogOf([] { throw LumbraError(QStringLiteral("disk full")); }),
              QStringList{"lumbra.base reading the list - disk full"});
    EXPECT_EQ(LogOf([] { throw std::out_of_range("index 7"); }),
              QStringList{"lumbra.base reading the list - index 7"});
    EXPECT_EQ(LogOf([] { throw 42; }), QStringList{"lumbra.base reading the list - unknown error"});
}
