#include "BenchFixtures.h"

#include <vector>

namespace {

std::vector<std::function<void()>>& Releases() {
    static std::vector<std::function<void()>> releases;
    return releases;
}

} // namespace

void ReleaseAtBenchEnd(std::function<void()> release) { Releases().push_back(std::move(release)); }

void ReleaseBenchFixtures() {
    auto& releases = Releases();
    while (!releases.empty()) {
        const std::function<void()> release = std::move(releases.back());
        releases.pop_back();
        release();
    }
}
