// Paging through a 100-page book in the two-page view: from NextPage() to
// both page surfaces holding their thumbnails, as a share of one 60 Hz frame
// (16.7 ms). Reference in the same run: one editing rendering of the same
// page at the fit size and at 200%, the work the surfaces leave to the pool.

#include "BenchFixtures.h"
#include "BenchJpegs.h"
#include "base/Constants.h"
#include "imaging/PaintSurface.h"
#include "model/BackgroundLibrary.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"
#include "render/PageScene.h"
#include "ui/bookview/BookView.h"
#include "ui/bookview/PageView.h"
#include "ui/common/UiContext.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>

namespace {

constexpr double kFrameSeconds = 1.0 / 60.0;

// A 100-page book; every page has a photo, a text and a thumbnail.
struct BenchBook {
    QTemporaryDir books;
    QTemporaryDir backgrounds;
    Templates catalogue;
    Constants strings;
    BackgroundLibrary library{QString(), QString()};
    std::unique_ptr<BookManager> manager;
    std::shared_ptr<const PageRenderer> renderer;

    BenchBook() {
        manager = std::make_unique<BookManager>(books.path() + QLatin1Char('/'), catalogue);
        manager->Initialize();
        renderer =
            std::make_shared<PageRenderer>(backgrounds.path() + QLatin1Char('/'),
                                           QSizeF(catalogue.PageWidth(), catalogue.PageHeight()));
        Book& book = *manager->GetBook();
        while (book.PagesCount() < book.GetMaxPages())
            book.AddNewPage();
        const QString source =
            WriteBenchJpeg(books.filePath(QStringLiteral("photo.jpg")), 2400, 1800);
        for (int i = 0; i < book.PagesCount(); ++i)
            FillPage(book, *book.GetPage(i), source, i);
        manager->Session().ShowPage(0);
    }
    UiContext Context() { return {*manager, strings, catalogue, library, renderer, QImage()}; }

    static void FillPage(Book& book, Page& aPage, const QString& source, int i) {
        if (i == 0) {
            auto photo = std::make_shared<PhotoImage>();
            photo->SetImage(source, book.GetBookFolder());
            book.Photos().Add(photo);
            aPage.AddPhoto(photo, 100, 50);
        }
        aPage.SetText(0, QStringLiteral(
                             "{\\rtf1\\ansi {\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs24 Page %1\\par}")
                             .arg(i + 1));
        auto thumb = std::make_shared<PaintSurface>(290, 208);
        thumb->painter()->fillRect(0, 0, 290, 208, QColor::fromHsv(i * 3 % 360, 120, 230));
        aPage.SetThumbnail(std::move(thumb));
    }
};

BenchBook& TheBook() { return BenchFixture<BenchBook>(); }

void BM_NextPairShowsThumbnails(benchmark::State& state) {
    BenchBook& bench = TheBook();
    BookView view(bench.Context());
    view.resize(1280, 760);
    view.show();
    const std::array<const PageView*, 2> pair = {view.LeftPageView(), view.RightPageView()};
    double total = 0;
    int shown = 0;
    for (auto _ : state) {
        if (!view.HasNextPage())
            bench.manager->Session().ShowPage(1);
        const auto start = std::chrono::steady_clock::now();
        view.NextPage();
        // The last pair of a 100-page book has no right page.
        const bool both = std::all_of(pair.begin(), pair.end(), [](const PageView* surface) {
            return !surface->ShownPage() || surface->ShowsPreview();
        });
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        total += seconds;
        shown += both ? 1 : 0;
    }
    state.counters["frame_share"] = total / double(state.iterations()) / kFrameSeconds;
    state.counters["pairs_with_thumbnails"] = double(shown) / double(state.iterations());
}
BENCHMARK(BM_NextPairShowsThumbnails)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The rendering a surface makes on the pool once the thumbnail is up.
void BM_EditingRendering(benchmark::State& state) {
    BenchBook& bench = TheBook();
    const int zoom = int(state.range(0)); // sixths; 0: the fit size of a 1280 x 760 view
    const QSize size =
        zoom == 0 ? QSize(630, 453)
                  : QSize(int(std::lround(bench.catalogue.PageWidthPixel() * zoom / 6.0)),
                          int(std::lround(bench.catalogue.PageHeightPixel() * zoom / 6.0)));
    const PageSnapshot snapshot = SnapshotPage(*bench.manager->GetBook()->GetPage(0));
    for (auto _ : state) {
        const QImage picture = bench.renderer->Render(snapshot, size, RenderMode::Editing);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
}
BENCHMARK(BM_EditingRendering)->Arg(0)->Arg(12)->Unit(benchmark::kMillisecond);

} // namespace
