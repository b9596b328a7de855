// Page rendering against the cost of simply decoding the page's photos:
// a print-size page (2458 x 1769) with four 4000 x 3000 photos and two
// texts, the same page written as its JPEG file, and one preview page.
// Compare each time with BM_Reference_DecodeFourPhotos of the same run.

#include "BenchFixtures.h"
#include "JpegToolReference.h"

#include "imaging/JpegDecode.h"
#include "imaging/JpegEncode.h"
#include "model/PhotoImage.h"
#include "model/Template.h"
#include "model/TemplateBox.h"
#include "model/Templates.h"
#include "render/PageExport.h"
#include "render/PageRenderer.h"
#include "render/PageScene.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr QSize kPrint{2458, 1769};

std::shared_ptr<const TemplateBox> Box(const char* kind, double x, double y, double w, double h) {
    auto box = std::make_shared<TemplateBox>();
    box->Deserialize(
        QStringLiteral("%1[%2,%3,%4,%5,0").arg(QLatin1String(kind)).arg(x).arg(y).arg(w).arg(h));
    return box;
}

QImage Picture(int seed) {
    QImage image(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x / 7 + seed * 40) & 255, (y / 5 + x / 11) & 255,
                           ((x ^ y) + seed * 60) & 255);
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
            SaveJpegAtomically(Picture(i), source);
            sources << source;
            PhotoImage photo;
            photo.SetImage(source, book);
            photo.SetPhotoBox(photoBoxes[i]);
            photo.SetPlacement(10 * i, -5 * i, i == 3 ? 0.8f : 1.0f, i == 2 ? 90 : 0);
            snapshot.photoBoxes.push_back(*photoBoxes[i]);
            snapshot.photos.push_back(photo.Placement());
        }
        snapshot.textBoxes = {*Box("Text", 20, 195, 120, 10), *Box("Text", 150, 195, 120, 10)};
        snapshot.texts = {QString::fromLatin1(cText), QString::fromLatin1(cText)};
    }
    PageRenderer Renderer() const {
        return PageRenderer(dir.path() + QStringLiteral("/bg/"), {289, 208});
    }
};

BenchPage& Page() { return BenchFixture<BenchPage>(); }

void BM_Reference_DecodeFourPhotos(benchmark::State& state) {
    BenchPage& page = Page();
    for (auto _ : state) {
        for (const QString& source : page.sources) {
            const DecodedPhoto photo =
                DecodeJpeg(source, [](const JpegHeader&) { return JpegDecodeRequest{}; });
            benchmark::DoNotOptimize(photo.picture.constBits());
        }
    }
}

void BM_PrintPageRender(benchmark::State& state) {
    BenchPage& page = Page();
    const PageRenderer renderer = page.Renderer();
    for (auto _ : state) {
        const QImage picture = renderer.Render(page.snapshot, kPrint, RenderMode::Print);
        benchmark::DoNotOptimize(picture.constBits());
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
    WriteBench(state, {PageOutput::Kind::Print, kPrint}, QStringLiteral("/1.jpg"));
}

void BM_PreviewPageFile(benchmark::State& state) {
    WriteBench(state, {PageOutput::Kind::Preview, {}}, QStringLiteral("/PG1.jpg"));
}

// One 6000 x 4000 photo filling the page, written as the print-size JPEG,
// against djpeg -scale 1/2 of the photo plus cjpeg -quality 75 of a page-size picture.
void BM_PrintFullPagePhotoVsTools(benchmark::State& state) {
    const QString dir = BenchTempDir();
    const QString book = dir + QStringLiteral("/book/");
    QDir().mkpath(book);
    PhotoImage photo;
    photo.SetImage(BenchPhotoPath(), book);
    PageSnapshot snapshot;
    const auto box = Box("Photo", 0, 0, 289, 208);
    photo.SetPhotoBox(box);
    snapshot.photoBoxes.push_back(*box);
    snapshot.photos.push_back(photo.Placement());
    const PageRenderer renderer(dir + QStringLiteral("/bg/"), {289, 208});
    const PageFileTask task{snapshot, dir + QStringLiteral("/1.jpg")};
    double best = -1;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        WritePageFile(task, {PageOutput::Kind::Print, kPrint}, renderer, nullptr);
        const double ms = timer.nsecsElapsed() / 1e6;
        best = best < 0 ? ms : std::min(best, ms);
    }
    const QString ppm = dir + QStringLiteral("/page.ppm");
    const QString null = QStringLiteral("/dev/null");
    const double toPpm =
        BestToolMs(QStringLiteral("djpeg"), {QStringLiteral("-outfile"), ppm, task.file}, 1);
    const double djpeg =
        BestToolMs(QStringLiteral("djpeg"), {QStringLiteral("-scale"), QStringLiteral("1/2"),
                                             QStringLiteral("-outfile"), null, BenchPhotoPath()});
    const double cjpeg =
        BestToolMs(QStringLiteral("cjpeg"), {QStringLiteral("-quality"), QStringLiteral("75"),
                                             QStringLiteral("-outfile"), null, ppm});
    if (toPpm <= 0 || djpeg <= 0 || cjpeg <= 0) {
        state.SkipWithError("djpeg/cjpeg did not run (install libjpeg-turbo-progs)");
        return;
    }
    state.counters["page_ms"] = best;
    state.counters["djpeg_cjpeg_ms"] = djpeg + cjpeg;
    state.counters["ratio_to_djpeg_cjpeg"] = best / (djpeg + cjpeg);
}

// A nine-photo catalogue page drawn on screen from its thumbnails.
void BM_ScreenNinePhotoPage(benchmark::State& state) {
    const QString dir = BenchTempDir();
    const QString book = dir + QStringLiteral("/book/");
    QDir().mkpath(book);
    PhotoImage photo;
    photo.SetImage(BenchPhotoPath(), book);
    const Templates& catalogue = BenchFixture<Templates>();
    std::shared_ptr<Template> nine;
    for (const auto& t : catalogue.GroupTemplates(Templates::kHighestGroup))
        if (!nine || t->PhotoBoxCount() == 9)
            nine = nine && nine->PhotoBoxCount() == 9 ? nine : t;
    if (!nine) {
        state.SkipWithError("no template in the highest group");
        return;
    }
    PageSnapshot snapshot;
    for (int i = 0; i < nine->PhotoBoxCount(); ++i) {
        photo.SetPhotoBox(nine->PhotoBox(i));
        snapshot.photoBoxes.push_back(*nine->PhotoBox(i));
        snapshot.photos.push_back(photo.Placement());
    }
    const PageRenderer renderer(dir + QStringLiteral("/bg/"), {289, 208});
    // Warm-up render; its pixels prove the photos are drawn, not left as empty boxes.
    const QImage first = renderer.Render(snapshot, QSize(1092, 786), RenderMode::Editing);
    for (int i = 0; i < nine->PhotoBoxCount(); ++i) {
        const TemplateBox& box = *nine->PhotoBox(i);
        const QPoint centre(int((box.X() + box.width() / 2) * 1092 / 289),
                            int((box.Y() + box.height() / 2) * 786 / 208));
        const QRgb pixel = first.pixel(centre);
        if (pixel == qRgb(192, 192, 192) || pixel == qRgb(255, 255, 255) ||
            pixel == qRgb(64, 64, 64)) {
            state.SkipWithError("a photo box was drawn empty");
            return;
        }
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(
            renderer.Render(snapshot, QSize(1092, 786), RenderMode::Editing).constBits());
    state.counters["photo_boxes"] = nine->PhotoBoxCount();
}

} // namespace

BENCHMARK(BM_Reference_DecodeFourPhotos)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PrintPageRender)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PrintPageFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PreviewPageFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PrintFullPagePhotoVsTools)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ScreenNinePhotoPage)->Unit(benchmark::kMillisecond)->MinTime(1.0);
