// One 6000 x 4000 JPEG imported by the program as a whole process (start-up,
// opening the book, three thumbnails and the copy, saving, exit) against
// `vipsthumbnail -s 1024` of the same file, each the best of several runs.

#include "JpegToolReference.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// The program with its home, settings and books in `home`.
double LumbraMs(const QString& home, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        environment.insert(QString::fromLatin1(variable),
                           QDir(home).filePath(QString::fromLatin1(variable)));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program picks offscreen itself
    return ToolMs(QCoreApplication::applicationDirPath() + QStringLiteral("/lumbra"),
                  arguments + QStringList{QStringLiteral("--books-folder"),
                                          QDir(home).filePath(QStringLiteral("books"))},
                  environment);
}

void BM_ImportProcessVsVipsthumbnail(benchmark::State& state) {
    const QString& source = BenchPhotoPath();
    const QString scratch = BenchTempDir();
    const QStringList vipsArguments{source, QStringLiteral("-s"), QStringLiteral("1024"),
                                    QStringLiteral("-o"), scratch + QStringLiteral("/v.jpg")};
    const QString small = scratch + QStringLiteral("/small.jpg");
    QImage(64, 48, QImage::Format_RGB32).save(small, "JPG");
    // The two take turns, so that both meet the machine's load alike.
    double import = -1;
    double vips = -1;
    for (auto _ : state) {
        // A book of its own for each import, made before the clock runs.
        state.PauseTiming();
        const QString home = BenchTempDir();
        const bool made =
            LumbraMs(home, {QStringLiteral("--import"), QStringLiteral("Bench"), small}) > 0;
        const double vipsMs = ToolMs(QStringLiteral("vipsthumbnail"), vipsArguments);
        state.ResumeTiming();
        if (vipsMs < 0) {
            state.SkipWithError("vipsthumbnail did not run (install libvips-tools)");
            return;
        }
        const double ms =
            made ? LumbraMs(home, {QStringLiteral("--import"), QStringLiteral("Bench"), source})
                 : -1;
        if (ms < 0) {
            state.SkipWithError("the program's import did not run");
            return;
        }
        import = import < 0 ? ms : std::min(import, ms);
        vips = vips < 0 ? vipsMs : std::min(vips, vipsMs);
    }
    state.counters["import_ms"] = import;
    state.counters["vipsthumbnail_ms"] = vips;
    state.counters["ratio_to_vipsthumbnail"] = import / vips;
}

} // namespace

BENCHMARK(BM_ImportProcessVsVipsthumbnail)->Unit(benchmark::kMillisecond)->Iterations(8);
