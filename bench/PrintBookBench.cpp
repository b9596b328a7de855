// Printing a whole book: 24 pages, each one 4000 x 3000 photo in a box over
// the whole page.
//
// BM_PrintBookProcessVsFloor: `lumbra --print` as a whole process against the
// floor of the work: each photo decoded at 5/8 (djpeg -scale 5/8) and encoded
// again (cjpeg -quality 75), two photos at a time. Target: at most 1.5 x.
// BM_PrintBookTwoCoresVsOne: the same export in this process on one thread
// and on two. Target: at least 1.8 x.
// BM_PrintP3BookProcessVsFloor: the first with photos tagged Display P3,
// converted to sRGB as they are drawn. Target: at most 1.3 x.

#include "BenchFixtures.h"
#include "BenchJpegs.h"
#include "JpegToolReference.h"

#include "imaging/ColourConversion.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"
#include "model/Templates.h"
#include "render/PageExport.h"
#include "render/PageRenderer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

namespace {

constexpr int kPages = 24;

// The book, saved in its folder, with its photos' sources beside it.
struct PrintBook {
    QString root = BenchTempDir();
    QString books = root + QStringLiteral("/books");
    QString sources = root + QStringLiteral("/sources");
    QString processBooks = root + QStringLiteral("/process-books"); // what the program prints
    Templates catalogue;
    std::unique_ptr<BookManager> manager;

    explicit PrintBook(const QByteArray& icc = {}) {
        QDir().mkpath(books);
        QDir().mkpath(sources);
        manager = std::make_unique<BookManager>(books, catalogue);
        manager->Initialize();
        Book& book = *manager->GetBook();
        while (book.PagesCount() < kPages)
            book.AddNewPage();
        const QString picture =
            WriteBenchJpeg(sources + QStringLiteral("/picture.jpg"), 4000, 3000, 0, icc);
        for (int i = 0; i < kPages; ++i) {
            const QString path = sources + QStringLiteral("/photo%1.jpg").arg(i + 1);
            QFile::copy(picture, path);
            auto photo = std::make_shared<PhotoImage>();
            photo->SetImage(path, book.GetBookFolder());
            book.Photos().Add(photo);
            Page& aPage = *book.GetPage(i);
            aPage.SetTemplate(catalogue.GetDefaultTemplate());
            aPage.AddPhoto(photo, 10, 10);
        }
        book.SaveBook();
        book.WaitForSaves();
        // The manager holds its book's lock: the program prints a copy.
        QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), books, processBooks});
    }
    const Book& TheBook() const { return *manager->GetBook(); }
};

PrintBook& Book24() { return BenchFixture<PrintBook>(); }

struct P3PrintBook : PrintBook {
    P3PrintBook() : PrintBook(ProfileFromCodedColours(12, 13)) {}
};

bool Run(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, args);
    return process.waitForFinished(600000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

void PrintProcessVsFloor(benchmark::State& state, PrintBook& book) {
    const QString out = BenchTempDir();
    const QStringList print{QStringLiteral("--books-folder"), book.processBooks,
                            QStringLiteral("--print"), book.TheBook().GetName(), out};
    const QString floor = QStringLiteral(
        "ls %1/photo*.jpg | xargs -P2 -I{} sh -c 'djpeg -scale 5/8 {} | cjpeg -quality 75 "
        ">/dev/null'");
    double program = -1;
    double tools = -1;
    for (auto _ : state) {
        program = BestRunMs(3, [&] { return Run(QStringLiteral(LUMBRA_PROGRAM), print); });
        tools = BestRunMs(3, [&] {
            return Run(QStringLiteral("sh"), {QStringLiteral("-c"), floor.arg(book.sources)});
        });
    }
    if (program <= 0 || tools <= 0 || !QFile::exists(out + QStringLiteral("/24.jpg"))) {
        state.SkipWithError("the print or the tools did not run");
        return;
    }
    state.counters["print_ms"] = program;
    state.counters["floor_ms"] = tools;
    state.counters["ratio_to_floor"] = program / tools;
}

void BM_PrintBookProcessVsFloor(benchmark::State& state) { PrintProcessVsFloor(state, Book24()); }

void BM_PrintP3BookProcessVsFloor(benchmark::State& state) {
    PrintProcessVsFloor(state, BenchFixture<P3PrintBook>());
}

void BM_PrintBookTwoCoresVsOne(benchmark::State& state) {
    PrintBook& book = Book24();
    const PageRenderer renderer(QString(),
                                {book.catalogue.PageWidth(), book.catalogue.PageHeight()});
    PageExportPlan plan = PlanPrint(book.TheBook(), BenchTempDir(), PrintPageSize(book.catalogue));
    auto exportOn = [&](int threads) {
        plan.threads = threads;
        return BestRunMs(2, [&] { return ExportPages(plan, renderer).written == kPages; });
    };
    double one = -1;
    double two = -1;
    for (auto _ : state) {
        one = exportOn(1);
        two = exportOn(2);
    }
    if (one <= 0 || two <= 0) {
        state.SkipWithError("a page was not written");
        return;
    }
    state.counters["one_thread_ms"] = one;
    state.counters["two_threads_ms"] = two;
    state.counters["speedup"] = one / two;
}

} // namespace

BENCHMARK(BM_PrintBookProcessVsFloor)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintP3BookProcessVsFloor)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintBookTwoCoresVsOne)->Unit(benchmark::kMillisecond)->Iterations(1);
