// The book check of the 100-page album book (four photos and a text a page):
// the check as it runs after a change, when one text is new to it, and a
// check that lays out every text anew. Each is the quickest of 20 runs,
// taking the pages from the book included, and is given as a share of the
// 10 ms target.

#include "BenchBook.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/Page.h"
#include "render/check/BookCheck.h"
#include "render/check/BookCheckInput.h"
#include "render/check/TextFits.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr double kTargetMs = 10;
constexpr int kRuns = 20;

QString PageText(int page, int run) {
    return QStringLiteral("{\\rtf1\\ansi {\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs24 Page %1, "
                          "edit %2\\par}")
        .arg(page + 1)
        .arg(run);
}

// Milliseconds of one check of the book through `texts`.
double CheckMs(const Book& book, const Templates& catalogue, TextFits& texts, size_t* found) {
    QElapsedTimer timer;
    timer.start();
    const auto problems = CheckBook(BookCheckInputOf(book, catalogue), texts);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    *found = problems.size();
    return ms;
}

void BM_BookCheck100Pages(benchmark::State& state) {
    AlbumBenchBook& album = TheAlbumBook();
    BookManager manager(album.books, album.catalogue);
    manager.Initialize();
    Book& book = *manager.GetBook();
    const QString before = book.GetPage(0)->text(0);
    double afterChangeMs = 1e9;
    double allNewMs = 1e9;
    size_t problems = 0;
    for (auto _ : state) {
        TextFits texts;
        CheckMs(book, album.catalogue, texts, &problems);
        for (int run = 0; run < kRuns; ++run) {
            book.GetPage(0)->SetText(0, PageText(0, run)); // an edit between two checks
            afterChangeMs =
                std::min(afterChangeMs, CheckMs(book, album.catalogue, texts, &problems));
            TextFits fresh;
            allNewMs = std::min(allNewMs, CheckMs(book, album.catalogue, fresh, &problems));
        }
    }
    book.GetPage(0)->SetText(0, before);
    state.counters["pages"] = book.PagesCount();
    state.counters["problems"] = double(problems);
    state.counters["after_change_ms"] = afterChangeMs;
    state.counters["after_change_vs_10ms"] = afterChangeMs / kTargetMs;
    state.counters["all_texts_new_ms"] = allNewMs;
    state.counters["all_texts_new_vs_10ms"] = allNewMs / kTargetMs;
}

} // namespace

BENCHMARK(BM_BookCheck100Pages)->Iterations(1)->Unit(benchmark::kMillisecond);
