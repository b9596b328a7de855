// Responsiveness of the user interface while 40 photos of 4000 x 3000 pixels
// are imported through the photos pane: the longest gap between two ticks of
// a 10 ms timer on the UI thread, against the 50 ms the window may freeze.
// The reference is the same timer left alone for as long as the import took,
// in the same run: what the machine's own load does to the ticks.

#include "base/Constants.h"
#include "imaging/JpegEncode.h"
#include "model/BackgroundLibrary.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"
#include "ui/common/UiContext.h"
#include "ui/panes/PhotosPane.h"
#include "ui/panes/SidePane.h"

#include "UiTickWatch.h"

#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kPhotos = 40;
constexpr double kAllowedGapMs = 50.0;

// 40 distinct paths of one large photo-like JPEG.
QStringList MakeSources(const QString& folder) {
    QImage image(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(
                x * 255 / 4000, y * 255 / 3000,
                int(128 + 100 * std::sin(x / 37.0) * std::cos(y / 23.0) + (x * 7 + y * 13) % 11));
    }
    const QString first = folder + QStringLiteral("/photo00.jpg");
    SaveJpegAtomically(image, first);
    QStringList paths{first};
    for (int i = 1; i < kPhotos; ++i) {
        paths << folder + QStringLiteral("/photo%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        QFile::copy(first, paths.back());
    }
    return paths;
}

struct Run {
    UiGaps gaps;
    int tiles = 0;
};

// withDrop: the second half of the files is dropped on page 1 meanwhile.
Run ImportWhileTicking(const QStringList& sources, bool withDrop) {
    QTemporaryDir books;
    Templates catalogue;
    Constants strings;
    BookManager manager(books.path(), catalogue, &strings);
    BackgroundLibrary library{QString(), QString()};
    const auto renderer =
        std::make_shared<const PageRenderer>(PageRenderer::ForCatalogue(catalogue, QString()));
    SidePane top(UiContext{manager, strings, catalogue, library, renderer, QImage()});
    top.resize(1000, 161);
    top.show();
    manager.Initialize();

    QEventLoop loop;
    int waiting = withDrop ? 2 : 1;
    const auto oneDone = [&] {
        if (--waiting == 0)
            loop.quit();
    };
    QObject::connect(top.Photos(), &PhotosPane::importFinished, &loop, oneDone);
    QObject::connect(&manager.Session(), &BookSession::dropDone, &loop, oneDone);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit); // gives up after ten minutes
    const qsizetype half = withDrop ? sources.size() / 2 : sources.size();
    TickWatch watch;
    top.AddFiles(sources.mid(0, half)); // on the UI thread, like the menu command
    if (withDrop)
        manager.Session().DropFiles(manager.GetBook()->GetPage(0), sources.mid(half), 100, 50);
    loop.exec();
    Run run;
    run.gaps = {watch.Stop(), watch.ElapsedMs()};
    run.tiles = top.Photos()->TileCount() + (withDrop ? 1 : 0); // the last dropped one is placed
    return run;
}

// Argument 1: half of the files dropped on a page.
void BM_PhotoImportUiGap(benchmark::State& state) {
    QTemporaryDir sources;
    const QStringList paths = MakeSources(sources.path());
    Run run;
    RecordUiGaps(state, kAllowedGapMs, [&] {
        run = ImportWhileTicking(paths, state.range(0) == 1);
        return run.gaps;
    });
    if (run.tiles != kPhotos)
        state.SkipWithError("not every photo got a tile");
    state.counters["import_s"] = run.gaps.elapsedMs / 1000.0;
    state.counters["tiles"] = run.tiles;
}

} // namespace

BENCHMARK(BM_PhotoImportUiGap)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
