#include "base/Rounding.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Rounding, HalvesGoToTheEvenNeighbourAndWildValuesStayDefined) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr int64_t kTop = 9'200'000'000'000'000'000;
    const struct {
        double value;
        int64_t rounded;
    } cases[] = {
        {0.5, 0},     {1.5, 2},       {2.5, 2},          {-0.5, 0},
        {-1.5, -2},   {2.4999, 2},    {-2.6, -3},        {1e300, kTop},
        {kInf, kTop}, {-kInf, -kTop}, {std::nan(""), 0}, {8.9e63 - 1.1e43, kTop},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}
