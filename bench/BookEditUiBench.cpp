// Responsiveness of the user interface while the user makes 50 quick edits
// (a photo zoomed on page after page of the 100-page album book, 20 ms
// apart), each saved as the editors save it: the longest gap between two
// ticks of a 10 ms timer on the UI thread, against the 50 ms the window may
// freeze. The reference is the same timer left alone for as long, in the same
// run: what the machine's own load does to the ticks. Argument 1 waits for
// each save on the UI thread, as the saves were written before they moved
// off it: the comparison under the same load.

#include "BenchBook.h"
#include "UiTickWatch.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/Page.h"
#include "model/PhotoImage.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kEdits = 50;
constexpr int kEditIntervalMs = 20;
constexpr double kAllowedGapMs = 50.0;

struct Run {
    UiGaps gaps;
    double longestEditMs = 0; // the longest time one edit kept the UI thread
    int edits = 0;
};

// The first photo of each page in turn gets a smaller zoom, and the book is saved.
Run EditWhileTicking(Book& book, bool waitForEachSave) {
    std::vector<float> before;
    QEventLoop loop;
    QTimer editor;
    editor.setInterval(kEditIntervalMs);
    Run run;
    QObject::connect(&editor, &QTimer::timeout, [&] {
        QElapsedTimer edit;
        edit.start();
        const std::shared_ptr<PhotoImage> photo = book.GetPage(run.edits)->Photo(0);
        before.push_back(photo->ratio());
        photo->SetRatio(photo->ratio() * 0.9f);
        book.SaveBook();
        if (waitForEachSave)
            book.WaitForSaves();
        run.longestEditMs = std::max(run.longestEditMs, double(edit.nsecsElapsed()) / 1e6);
        if (++run.edits == kEdits)
            loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit); // gives up after a minute
    TickWatch watch;
    editor.start();
    loop.exec();
    run.gaps = {watch.Stop(), watch.ElapsedMs()};
    for (int i = 0; i < int(before.size()); ++i) // the book as the other benches know it
        book.GetPage(i)->Photo(0)->SetRatio(before[size_t(i)]);
    book.SaveBook();
    if (!book.WaitForSaves())
        run.edits = -1;
    return run;
}

void BM_BookEditUiGap(benchmark::State& state) {
    AlbumBenchBook& album = TheAlbumBook();
    BookManager manager(album.books, album.catalogue);
    manager.Initialize();
    Book& book = *manager.GetBook();
    Run run;
    RecordUiGaps(state, kAllowedGapMs, [&] {
        run = EditWhileTicking(book, state.range(0) == 1);
        return run.gaps;
    });
    if (run.edits != kEdits)
        state.SkipWithError("not every edit was made and saved");
    state.counters["longest_edit_ms"] = run.longestEditMs;
    state.counters["edits"] = run.edits;
}

} // namespace

BENCHMARK(BM_BookEditUiGap)
    ->ArgName("wait_for_each_save")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
