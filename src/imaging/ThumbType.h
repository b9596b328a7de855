#pragma once

#include <array>
#include <cstddef>

// The four picture files of an imported photo or a background, smallest
// first: name & "_sm", "_md", "_lg" and "_or" (the imported file) & ".jpg".
enum class ThumbType { Small, Medium, Large, Original };

inline constexpr std::array<ThumbType, 4> kThumbTypes{ThumbType::Small, ThumbType::Medium,
                                                      ThumbType::Large, ThumbType::Original};

// The type's place in arrays that hold one entry per file, Small first.
constexpr size_t ThumbIndex(ThumbType type) { return size_t(type); }

// "_sm", "_md", "_lg" or "_or".
constexpr const char* ThumbSuffix(ThumbType type) {
    constexpr std::array<const char*, 4> suffixes{"_sm", "_md", "_lg", "_or"};
    return suffixes[ThumbIndex(type)];
}
