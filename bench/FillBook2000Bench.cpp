// Fill Book on a pool of 2,000 photos, each with the record an import leaves
// beside its files (pixel size and time; the pictures are small copies, as
// the fill reads none of them):
//   BM_FillBook2000UiGap: the photos pane shows the 2,000 photos and its
//     Fill runs on the UI thread as the window runs it; the longest gap
//     between ticks of a 10 ms timer there (target: under 50 ms).
//   BM_FillBook2000Process: `lumbra --fill` of the same book as a whole
//     process: start-up, opening the book, the fill, the save and the exit
//     (target: under 1 s).

#include "BenchJpegs.h"
#include "JpegToolReference.h"
#include "UiTickWatch.h"

#include "base/Constants.h"
#include "model/BackgroundLibrary.h"
#include "model/Book.h"
#include "model/BookFill.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/PoolRecord.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"
#include "ui/common/UiContext.h"
#include "ui/panes/PhotoTile.h"
#include "ui/panes/PhotosPane.h"
#include "ui/panes/SidePane.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int kPhotos = 2000;
constexpr double kAllowedGapMs = 50.0;
const QString kBook = QStringLiteral("Pool");

// A book of 2,000 photos standing on no page; returns its books folder.
QString MakePoolBook(const QString& root, const Templates& catalogue) {
    const QString books = QDir(root).filePath(QStringLiteral("books"));
    QDir().mkpath(books);
    Book book(books + QLatin1Char('/'), ModelContext{const_cast<Templates*>(&catalogue)});
    book.CreateOnDisk(kBook);
    const QString picture = WriteBenchJpeg(QDir(root).filePath(QStringLiteral("p.jpg")), 160, 120);
    const qint64 start = QDateTime(QDate(2023, 6, 1), QTime(8, 0), Qt::UTC).toSecsSinceEpoch();
    for (int i = 0; i < kPhotos; ++i) {
        const QString stem =
            book.GetBookFolder() + QStringLiteral("5A0B%1").arg(i, 32, 16, QLatin1Char('0'));
        for (const char* suffix : {"_sm.jpg", "_md.jpg", "_lg.jpg", "_or.jpg"})
            QFile::copy(picture, stem + QLatin1String(suffix));
        const QSize size = i % 3 == 0 ? QSize(1200, 1600) : QSize(1600, 1200);
        WritePoolRecord(stem, PoolRecord{size, 1, start + 1800 * qint64(i)}); // 30 minutes apart
    }
    return books;
}

struct PoolFixture {
    QString root = BenchTempDir();
    Templates catalogue;
    QString books = MakePoolBook(root, catalogue);
    QString bookFile = QDir(books).filePath(kBook + QStringLiteral("/book.pbx"));
    QByteArray emptyBook = ReadAll(bookFile);

    static QByteArray ReadAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void ResetBook() const {
        QFile file(bookFile);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(emptyBook);
    }
};

PoolFixture& Pool() {
    static PoolFixture fixture;
    return fixture;
}

void BM_FillBook2000UiGap(benchmark::State& state) {
    PoolFixture& pool = Pool();
    int placed = 0;
    double callMs = 0; // the fill with the panes' answers to its signals
    RecordUiGaps(state, kAllowedGapMs, [&] {
        pool.ResetBook();
        Constants strings;
        BookManager manager(pool.books, pool.catalogue, &strings);
        BackgroundLibrary library{QString(), QString()};
        const auto renderer = std::make_shared<const PageRenderer>(
            PageRenderer::ForCatalogue(pool.catalogue, QString()));
        SidePane top(UiContext{manager, strings, pool.catalogue, library, renderer, QImage()});
        top.resize(1000, 161);
        top.show();
        manager.LoadBook(kBook);
        QCoreApplication::processEvents();
        std::vector<std::shared_ptr<PhotoImage>> photos; // in the order of the tiles
        for (const PhotoTile* tile : top.Photos()->Tiles())
            photos.push_back(tile->GetPhoto());
        QEventLoop loop;
        TickWatch watch;
        QTimer::singleShot(50, &loop, [&] {
            QElapsedTimer call;
            call.start();
            placed = manager.Session().Fill(photos, pool.catalogue).placed;
            callMs = call.nsecsElapsed() / 1e6;
            QTimer::singleShot(50, &loop, &QEventLoop::quit);
        });
        loop.exec();
        const UiGaps gaps{watch.Stop(), watch.ElapsedMs()};
        manager.GetBook()->WaitForSaves();
        return gaps;
    });
    state.counters["placed"] = placed;
    state.counters["fill_call_ms"] = callMs;
    if (placed == 0)
        state.SkipWithError("nothing was placed");
}

void BM_FillBook2000Process(benchmark::State& state) {
    PoolFixture& pool = Pool();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        environment.insert(QString::fromLatin1(variable),
                           QDir(pool.root).filePath(QString::fromLatin1(variable)));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program picks offscreen itself
    double worstMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        pool.ResetBook();
        state.ResumeTiming();
        const double ms =
            ToolMs(QCoreApplication::applicationDirPath() + QStringLiteral("/lumbra"),
                   {QStringLiteral("--fill"), kBook, QStringLiteral("--books-folder"), pool.books},
                   environment);
        if (ms < 0) {
            state.SkipWithError("lumbra --fill failed");
            return;
        }
        worstMs = std::max(worstMs, ms);
    }
    state.counters["fill_process_ms"] = worstMs;
    state.counters["target_ms"] = 1000;
}

} // namespace

BENCHMARK(BM_FillBook2000UiGap)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillBook2000Process)->Iterations(3)->Unit(benchmark::kMillisecond);
