#pragma once

#include <cmath>
#include <cstdint>

// Rounds to the nearest whole number, halves to the even neighbour.
inline int64_t RoundHalfEven(double value) {
    return static_cast<int64_t>(std::nearbyint(value)); // default FE_TONEAREST
}
