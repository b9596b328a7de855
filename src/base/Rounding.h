#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// Rounds to the nearest whole number, halves to the even neighbour. Values
// past what int64_t holds (a hostile file's sizes) saturate; NaN gives 0.
inline int64_t RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double kLimit = 9.2e18; // just inside int64_t's range
    return static_cast<int64_t>(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}
