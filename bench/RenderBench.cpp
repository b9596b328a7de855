// Page rendering against the cost of simply decoding the page's photos:
// a print-size page (2458 x 1769) with four 4000 x 3000 photos and two
// texts, the same page written as its JPEG file, and one preview page.
// Compare each time with BM_Reference_DecodeFourPhotos of the same run.

#include "editing/PageExport.h"
#include "editing/PageRenderer.h"
#include "editing/PageScene.h"
#include "images/FreeImageBridge.h"
#include "images/PhotoImage.h"
#include "model/TemplateBox.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr QSize cPrint{2458, 1769};

std::shared_ptr<const TemplateBox> Box(const char* kind, double x, double y, double w, double h) {
    auto box = std::make_shared<TemplateBox>();
    box->Deserialize(QStringLiteral("%1[%2,%3,%4,%5,0").arg(QLatin1String(kind)).arg(x).arg(y).arg(w).arg(h));
    return box;
}

QImage Picture(int seed) {
    QImage image(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x / 7 + seed * 40) & 255, (y / 5 + x / 11) & 255, ((x ^ y) + seed * 60) & 255);
    }
    return image;
}

const char* const cText =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil DejaVu Sans;}}\\f0\\fs24 Summer by the lake, "
    "\\b with everyone\\b0  who came along.\\par Second line of the caption.\\par}";

// The page, its photo files and a snapshot of it, made once.
struct BenchPage {
    QTemporaryDir dir;
    QStringList sources;
    PageSnapshot snapshot;

    BenchPage() {
        const QString book = dir.path() + QStringLiteral("/book/");
        QDir().mkpath(book);
        const std::shared_ptr<const TemplateBox> photoBoxes[] = {
            Box("Photo", 10, 10, 130, 88), Box("Photo", 149, 10, 130, 88),
            Box("Photo", 10, 105, 130, 88), Box("Photo", 149, 105, 130, 88)};
        for (int i = 0; i < 4; ++i) {
            const QString source = dir.path() + QStringLiteral("/p%1.jpg").arg(i);
            const FiBitmap dib = FiFromQImage(Picture(i));
            FiSaveAtomically(FIF_JPEG, dib.get(), source, JPEG_QUALITYGOOD);
            sources << source;
            PhotoImage photo;
            photo.SetImage(source, book);
            snapshot.photoBoxes.push_back(*photoBoxes[i]);
            snapshot.photos.push_back(PhotoPlacement{book, photo.GetName(), photo.GetKey(), 10 * i, -5 * i,
                                                     i == 3 ? 0.8f : 1.0f, i == 2 ? 90 : 0});
        }
        snapshot.textBoxes = {*Box("Text", 20, 195, 120, 10), *Box("Text", 150, 195, 120, 10)};
        snapshot.texts = {QString::fromLatin1(cText), QString::fromLatin1(cText)};
    }
    PageRenderer Renderer() const { return PageRenderer(dir.path() + QStringLiteral("/bg/"), {289, 208}); }
};

BenchPage& Page() {
    static BenchPage page;
    return page;
}

void BM_Reference_DecodeFourPhotos(benchmark::State& state) {
    BenchPage& page = Page();
    for (auto _ : state) {
        for (const QString& source : page.sources) {
            const FiBitmap dib = FiLoad(FIF_JPEG, source, 0);
            benchmark::DoNotOptimize(dib.get());
        }
    }
}

void BM_PrintPageRender(benchmark::State& state) {
    BenchPage& page = Page();
    const PageRenderer renderer = page.Renderer();
    for (auto _ : state) {
        const PageScene scene = DetachedScene(page.snapshot);
        const FiBitmap picture = renderer.RenderPageFreeImage(scene, cPrint.width(), cPrint.height());
        benchmark::DoNotOptimize(picture.get());
    }
}

void WriteBench(benchmark::State& state, PageOutput output, const QString& file) {
    BenchPage& page = Page();
    const PageRenderer renderer = page.Renderer();
    const PageFileTask task{page.snapshot, page.dir.path() + file};
    for (auto _ : state)
        WritePageFile(task, output, renderer, nullptr);
}

void BM_PrintPageFile(benchmark::State& state) {
    WriteBench(state, {PageOutput::Print, cPrint}, QStringLiteral("/1.jpg"));
}

void BM_PreviewPageFile(benchmark::State& state) {
    WriteBench(state, {PageOutput::Preview, {}}, QStringLiteral("/PG1.jpg"));
}

} // namespace

BENCHMARK(BM_Reference_DecodeFourPhotos)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PrintPageRender)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PrintPageFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PreviewPageFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
