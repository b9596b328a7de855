// Opening a 100-page book of 400 photos with the album overview shown in a
// 1280-pixel strip: the time until the pairs in view hold their thumbnails
// (as a share of the 300 ms target), until every pair is rendered, and the
// longest gap of a 1 ms timer on the UI thread while the overview fills (as
// a share of the 100 ms target). Loading the book is timed apart. The second
// case opens the book in the book view and the album together, as the main
// window does, and also times the book view's first pages.

#include "BenchBook.h"
#include "BenchJpegs.h"

#include "ui/bookview/BookView.h"
#include "ui/bookview/PageView.h"

#include "base/Constants.h"
#include "imaging/PaintSurface.h"
#include "model/BackgroundLibrary.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"
#include "model/TemplateBox.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"
#include "ui/common/UiContext.h"
#include "ui/panes/AlbumPageTile.h"
#include "ui/panes/AlbumPairTile.h"
#include "ui/panes/AlbumView.h"
#include "ui/panes/SidePane.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QtConcurrent/QtConcurrentMap>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kFirstScreenTargetMs = 300;
constexpr double kStallTargetMs = 100;

double MsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct FillTimes {
    double loadMs = 0;
    double firstPairMs = -1;
    double firstScreenMs = -1;
    double filledMs = -1;
    double maxStallMs = 0;
    double bookViewShownMs = -1;    // the book view's visible pages show a picture
    double bookViewRenderedMs = -1; // ... their full rendering
    int photosOnPages = 0;          // what the opened book holds
    int renderedThumbs = 0;         // thumbnails holding a picture at the end
    int notBlankThumbs = 0;         // of those, pictures that are not plain white
};

bool IsNotBlank(const QImage& picture) {
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7)
            if (picture.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

// Checks that the overview really shows the book.
void CountShown(const Book& book, const AlbumView& album, FillTimes& times) {
    for (int i = 0; i < book.PagesCount(); ++i) {
        const auto aPage = book.GetPage(i);
        for (int b = 0; b < aPage->PhotoEntryCount(); ++b)
            times.photosOnPages += aPage->Photo(b) ? 1 : 0;
        const AlbumPairTile* pair = album.Pair((i + 1) / 2);
        const AlbumPageTile* thumb = i % 2 == 0 ? pair->RightThumb() : pair->LeftThumb();
        const auto& rendering = thumb->Rendering();
        if (rendering && rendering->image() && thumb->Page() == aPage) {
            ++times.renderedThumbs;
            times.notBlankThumbs += IsNotBlank(*rendering->image()) ? 1 : 0;
        }
    }
}

// The visible surfaces of the book view that have a page: all show a picture
// (a quick one or the rendering), or all show their rendering.
bool BookViewShows(const BookView& view, bool rendering) {
    bool any = false;
    for (const PageView* surface :
         {view.LeftPageView(), view.RightPageView(), view.OnePageView()}) {
        if (!surface->isVisible() || !surface->ShownPage())
            continue;
        any = true;
        if (!(surface->ShowsRendering() || (!rendering && surface->ShowsPreview())))
            return false;
    }
    return any;
}

// A new book manager and side pane on the album overview (with the book view
// under it when asked), then the book is opened.
FillTimes OpenWithAlbumShown(const AlbumBenchBook& bench, bool withBookView) {
    BookManager manager(bench.books, const_cast<Templates&>(bench.catalogue));
    Constants strings;
    BackgroundLibrary library{QString(), QString()};
    const auto renderer = std::make_shared<const PageRenderer>(
        PageRenderer::ForCatalogue(bench.catalogue, QString()));
    const UiContext context{manager, strings, bench.catalogue, library, renderer, QImage()};
    QWidget window;
    window.resize(1280, withBookView ? 761 : 161);
    SidePane top(context, &window);
    top.ShowPane(QStringLiteral("album"));
    top.setGeometry(0, 0, 1280, 161);
    std::unique_ptr<BookView> view;
    if (withBookView) {
        view = std::make_unique<BookView>(context, &window);
        view->setGeometry(0, 161, 1280, 600);
    }
    window.show();
    QCoreApplication::processEvents();
    AlbumView& album = *top.Album();

    FillTimes times;
    QEventLoop loop;
    const Clock::time_point start = Clock::now();
    Clock::time_point lastTick;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        times.maxStallMs = std::max(times.maxStallMs, MsBetween(lastTick, now));
        lastTick = now;
        if (view && times.bookViewShownMs < 0 && BookViewShows(*view, false))
            times.bookViewShownMs = MsBetween(start, now);
        if (view && times.bookViewRenderedMs < 0 && BookViewShows(*view, true))
            times.bookViewRenderedMs = MsBetween(start, now);
    });
    const int inView = int(std::ceil(double(album.width()) / kAlbumPairSize.width()));
    QObject::connect(&album, &AlbumView::pairRendered, [&](int c) {
        if (c == 0)
            times.firstPairMs = MsBetween(start, Clock::now());
        if (c == inView - 1)
            times.firstScreenMs = MsBetween(start, Clock::now());
    });
    QObject::connect(&album, &AlbumView::passFinished, [&] {
        times.filledMs = MsBetween(start, Clock::now());
        loop.quit();
    });
    manager.Initialize();
    times.loadMs = MsBetween(start, Clock::now());
    lastTick = Clock::now();
    ticker.start();
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    if (album.IsPassRunning())
        loop.exec();
    // The book view's rendering may still be on its way.
    for (int i = 0; view && times.bookViewRenderedMs < 0 && i < 10000; ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    CountShown(*manager.GetBook(), album, times);
    return times;
}

void BM_AlbumOverviewFillsA400PhotoBook(benchmark::State& state) {
    const AlbumBenchBook& bench = TheAlbumBook();
    const bool withBookView = state.range(0) != 0;
    FillTimes worst;
    for (auto _ : state) {
        const FillTimes t = OpenWithAlbumShown(bench, withBookView);
        state.SetIterationTime(t.filledMs / 1000.0);
        worst.loadMs = std::max(worst.loadMs, t.loadMs);
        worst.firstPairMs = std::max(worst.firstPairMs, t.firstPairMs);
        worst.firstScreenMs = std::max(worst.firstScreenMs, t.firstScreenMs);
        worst.filledMs = std::max(worst.filledMs, t.filledMs);
        worst.maxStallMs = std::max(worst.maxStallMs, t.maxStallMs);
        worst.bookViewShownMs = std::max(worst.bookViewShownMs, t.bookViewShownMs);
        worst.bookViewRenderedMs = std::max(worst.bookViewRenderedMs, t.bookViewRenderedMs);
        state.counters["photos_on_pages"] = t.photosOnPages;
        state.counters["thumbs_rendered"] = t.renderedThumbs;
        state.counters["thumbs_not_blank"] = t.notBlankThumbs;
    }
    // Worst of the iterations.
    state.counters["load_ms"] = worst.loadMs;
    state.counters["first_pair_ms"] = worst.firstPairMs;
    state.counters["first_screen_ms"] = worst.firstScreenMs;
    state.counters["first_screen_vs_300ms"] = worst.firstScreenMs / kFirstScreenTargetMs;
    state.counters["filled_ms"] = worst.filledMs;
    state.counters["max_stall_ms"] = worst.maxStallMs;
    state.counters["max_stall_vs_100ms"] = worst.maxStallMs / kStallTargetMs;
    if (withBookView) {
        state.counters["book_view_shown_ms"] = worst.bookViewShownMs;
        state.counters["book_view_shown_vs_300ms"] = worst.bookViewShownMs / kFirstScreenTargetMs;
        state.counters["book_view_rendered_ms"] = worst.bookViewRenderedMs;
    }
}
// Arg 0: the side pane alone; 1: with the book view beside it.
BENCHMARK(BM_AlbumOverviewFillsA400PhotoBook)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
