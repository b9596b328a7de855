// Fill Book: 400 imported photos (landscape and portrait, a few days apart)
// laid onto a new 20-page book, which grows to 100 pages. Timed: reading the
// photos' times, the plan and putting the photos on the pages; not the imports.
// Target: under one second (fill_ms < 1000).

#include "BenchFixtures.h"
#include "BenchJpegs.h"
#include "JpegToolReference.h"

#include "imaging/PhotoImageFiles.h"
#include "model/Book.h"
#include "model/BookFill.h"
#include "model/BookManager.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/PoolRecord.h"
#include "model/Templates.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>
#include <benchmark/benchmark.h>
#include <numeric>

namespace {

constexpr int kPhotos = 400;

struct FillBench {
    QString root = BenchTempDir();
    Templates catalogue;
    std::unique_ptr<BookManager> manager;
    PageForms empty; // every page of the book before a fill

    FillBench() {
        const QString books = root + QStringLiteral("/books");
        const QString sources = root + QStringLiteral("/sources");
        QDir().mkpath(books);
        QDir().mkpath(sources);
        manager = std::make_unique<BookManager>(books, catalogue);
        manager->Initialize();
        Book& book = *manager->GetBook();
        const QString wide = WriteBenchJpeg(sources + QStringLiteral("/wide.jpg"), 1600, 1200);
        const QString tall = WriteBenchJpeg(sources + QStringLiteral("/tall.jpg"), 1200, 1600, 1);
        std::vector<std::shared_ptr<PhotoImage>> photos;
        std::vector<PhotoImportJob> jobs;
        for (int i = 0; i < kPhotos; ++i) {
            const QString path = sources + QStringLiteral("/photo%1.jpg").arg(i);
            QFile::copy(i % 3 == 0 ? tall : wide, path);
            photos.push_back(std::make_shared<PhotoImage>());
            jobs.push_back(photos.back()->BeginImport(path, book.GetBookFolder()));
        }
        const QList<bool> made = QtConcurrent::blockingMapped<QList<bool>>(
            jobs, [](const PhotoImportJob& job) { return MakePhotoFiles(job); });
        // Twenty photos a day, an hour apart: a new page every day.
        const QDateTime start(QDate(2023, 6, 1), QTime(8, 0));
        for (int i = 0; i < kPhotos; ++i) {
            photos[size_t(i)]->EndImport(made[i]);
            book.Photos().Add(photos[size_t(i)]);
            QFile full(photos[size_t(i)]->GetThumbFile(ThumbType::Original));
            if (full.open(QIODevice::ReadWrite))
                full.setFileTime(start.addDays(i / 20).addSecs(3600 * (i % 20)),
                                 QFileDevice::FileModificationTime);
            photos[size_t(i)]->SetRecord(RecordPhoto(photos[size_t(i)]->Stem())); // as an import
        }
        book.SaveBook();
        std::vector<int> pages(size_t(book.PagesCount()));
        std::iota(pages.begin(), pages.end(), 0);
        empty = book.FormsOf(pages);
    }
};

void BM_FillBook400Photos(benchmark::State& state) {
    FillBench bench;
    Book& book = *bench.manager->GetBook();
    double worstMs = 0;
    FillResult result;
    for (auto _ : state) {
        state.PauseTiming();
        book.RestorePages(bench.empty);
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        result = FillBook(book, UnplacedPhotos(book), bench.catalogue);
        worstMs = std::max(worstMs, timer.nsecsElapsed() / 1e6);
    }
    state.counters["fill_ms"] = worstMs;
    state.counters["placed"] = result.placed;
    state.counters["pages"] = book.PagesCount();
    state.counters["target_ms"] = 1000;
}

} // namespace

BENCHMARK(BM_FillBook400Photos)->Unit(benchmark::kMillisecond)->Iterations(5);
