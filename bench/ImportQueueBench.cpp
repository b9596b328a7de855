// Importing many 6000 x 4000 photos with the import queue on every core
// against one worker. Each run is a child process of this program, so its
// peak memory (VmHWM) is the import's own.

#include "ImportQueueChild.h"
#include "JpegToolReference.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

constexpr int kPhotos = 40;

struct ChildRun {
    double ms = -1;
    double peakMb = -1;
    bool inOrder = false;
};

ChildRun RunChild(int threads, const QString& folder) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kImportChildFlag), QString::number(threads), folder,
                 QString::number(kPhotos)});
    ChildRun run;
    if (!child.waitForFinished(900000) || child.exitCode() != 0)
        return run;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("ms=([\\d.]+) hwm_kb=(\\d+) order=(\\d)"))
            .match(QString::fromLatin1(child.readAllStandardOutput()));
    if (m.hasMatch())
        run = {m.captured(1).toDouble(), m.captured(2).toDouble() / 1024,
               m.captured(3) == QLatin1String("1")};
    return run;
}

void BM_ImportQueueAllCoresVsOne(benchmark::State& state) {
    const QString folder = BenchTempDir();
    for (int i = 0; i < kPhotos; ++i)
        QFile::copy(BenchPhotoPath(),
                    folder + QStringLiteral("/p%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
    const int cores = std::max(1, QThread::idealThreadCount());
    ChildRun one, all;
    for (auto _ : state) {
        one = RunChild(1, folder);
        all = RunChild(cores, folder);
    }
    if (one.ms <= 0 || all.ms <= 0) {
        state.SkipWithError("import child failed");
        return;
    }
    state.counters["photos"] = kPhotos;
    state.counters["workers"] = cores;
    state.counters["one_worker_ms"] = one.ms;
    state.counters["all_cores_ms"] = all.ms;
    state.counters["throughput_ratio"] = one.ms / all.ms;
    state.counters["peak_mb_all_cores"] = all.peakMb;
    state.counters["peak_mb_one_worker"] = one.peakMb;
    state.counters["file_order_ok"] = (one.inOrder && all.inOrder) ? 1 : 0;
}

} // namespace

BENCHMARK(BM_ImportQueueAllCoresVsOne)->Unit(benchmark::kMillisecond)->Iterations(1);
