#include "ui/common/GuardedStep.h"

#include "base/LogCapture.h"
#include "base/LumbraError.h"

#include <gtest/gtest.h>

TEST(GuardedStep, AFailedStepEndsThereIsLoggedAndReportsFalse) {
    LogCapture log;
    int reached = 0;
    EXPECT_TRUE(RunGuarded("Counting", [&] { ++reached; }));
    EXPECT_TRUE(log.Warnings().isEmpty());
    EXPECT_FALSE(RunGuarded("Saving the book after a test edit", [&] {
        throw LumbraError(QStringLiteral("cannot save"));
        ++reached;
    }));
    EXPECT_EQ(reached, 1);
    EXPECT_TRUE(log.Logged(QStringLiteral("lumbra.ui"),
                           QStringLiteral("Saving the book after a test edit - cannot save")));
}
