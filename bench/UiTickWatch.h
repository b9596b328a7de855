#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QString>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>

// Longest gap between ticks of a 10 ms timer while the UI thread's loop
// runs: how long the window would have been frozen.
class TickWatch {
public:
    TickWatch() {
        mTicker.setInterval(10);
        QObject::connect(&mTicker, &QTimer::timeout, [this] { Tick(); });
        mClock.start();
        mTicker.start();
    }
    double Stop() {
        Tick();
        mTicker.stop();
        return mLongestMs;
    }
    double ElapsedMs() const { return double(mClock.nsecsElapsed()) / 1e6; }

private:
    void Tick() {
        const qint64 now = mClock.nsecsElapsed();
        mLongestMs = std::max(mLongestMs, double(now - mLastTick) / 1e6);
        mLastTick = now;
    }
    QElapsedTimer mClock;
    QTimer mTicker;
    qint64 mLastTick = 0;
    double mLongestMs = 0;
};

// The same timer with nothing else to do for `durationMs`: what the
// machine's own load does to the ticks.
inline double IdleLongestGap(double durationMs) {
    QEventLoop loop;
    QTimer::singleShot(int(durationMs), &loop, &QEventLoop::quit);
    TickWatch watch;
    loop.exec();
    return watch.Stop();
}

// What one run of UI work came to: its longest tick gap and how long it took.
struct UiGaps {
    double longestMs = 0;
    double elapsedMs = 0;
};

// Runs `measure` (returning UiGaps) once per iteration, each timed by its
// elapsed time, and sets the counters: the longest gap, its ratio to
// `allowedMs` and the idle timer's longest gap over as long a time.
template <typename Measure>
void RecordUiGaps(benchmark::State& state, double allowedMs, Measure measure) {
    UiGaps gaps;
    double idleGapMs = 0;
    for (auto _ : state) {
        gaps = measure();
        state.SetIterationTime(gaps.elapsedMs / 1000.0);
        idleGapMs = IdleLongestGap(gaps.elapsedMs);
    }
    state.counters["longest_gap_ms"] = gaps.longestMs;
    state.counters[QStringLiteral("gap_ratio_to_%1ms").arg(allowedMs).toStdString()] =
        gaps.longestMs / allowedMs;
    state.counters["idle_longest_gap_ms"] = idleGapMs;
}
