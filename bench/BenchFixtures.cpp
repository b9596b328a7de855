#include "BenchFixtures.h"

#include <QElapsedTimer>

#include <algorithm>
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

double BestRunMs(int runs, const std::function<bool()>& work) {
    double best = -1;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!work())
            return -1;
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}
