#pragma once

#include <functional>
#include <memory>

// What benchmarks keep between runs (books, widgets, pictures) is made on
// first use and deleted by ReleaseBenchFixtures, which main calls while the
// application object still lives: a widget, a painter or a font deleted after
// the application has gone crashes the exit.

// Runs `release` at ReleaseBenchFixtures, the latest registered first.
void ReleaseAtBenchEnd(std::function<void()> release);
void ReleaseBenchFixtures();

// The one T of the benchmarks, made on first use.
template <typename T> T& BenchFixture() {
    static std::unique_ptr<T> fixture;
    if (!fixture) {
        fixture = std::make_unique<T>();
        ReleaseAtBenchEnd([] { fixture.reset(); });
    }
    return *fixture;
}

// The best wall time in ms of `runs` runs of `work`; negative as soon as a
// run fails.
double BestRunMs(int runs, const std::function<bool()>& work);
