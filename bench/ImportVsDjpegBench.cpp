// Importing one 6000 x 4000 JPEG (three thumbnails and the copy) against
// `djpeg -scale 1/4` of the same file, both best of several runs.

#include "JpegToolReference.h"

#include "model/PhotoImage.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

void BM_ImportOnePhotoVsDjpeg(benchmark::State& state) {
    const QString& source = BenchPhotoPath();
    const double djpeg = BestToolMs(
        QStringLiteral("djpeg"), {QStringLiteral("-scale"), QStringLiteral("1/4"),
                                  QStringLiteral("-outfile"), QStringLiteral("/dev/null"), source});
    if (djpeg <= 0) {
        state.SkipWithError("djpeg did not run (install libjpeg-turbo-progs)");
        return;
    }
    const QString book = BenchTempDir() + QStringLiteral("/");
    double best = -1;
    for (auto _ : state) {
        PhotoImage photo;
        QElapsedTimer timer;
        timer.start();
        photo.SetImage(source, book);
        const double ms = timer.nsecsElapsed() / 1e6;
        best = best < 0 ? ms : std::min(best, ms);
        state.PauseTiming();
        photo.Delete();
        state.ResumeTiming();
    }
    state.counters["import_ms"] = best;
    state.counters["djpeg_ms"] = djpeg;
    state.counters["ratio_to_djpeg"] = best / djpeg;
}

} // namespace

BENCHMARK(BM_ImportOnePhotoVsDjpeg)->Unit(benchmark::kMillisecond)->Iterations(6);
