// Uploading a 100-page book of 400 photos to the reference print service (a
// child process on loopback) against rendering and encoding the same 100
// print pages alone on the same thread pool: the ratio of the two times and
// the peak memory (VmHWM, reset before each) of each, and the longest stall
// of the event loop during the upload.

#include "BenchBook.h"

#include "imaging/JpegEncode.h"
#include "online/BookUpload.h"
#include "online/PreparedPage.h"
#include "render/PageExport.h"
#include "render/PageRenderer.h"
#include "render/PageScene.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentMap>
#include <benchmark/benchmark.h>

#include <algorithm>

#include <unistd.h>

namespace {

// Starts the peak memory afresh (Linux: "5" to clear_refs).
void ResetPeak() {
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
}

double PeakMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

// Processor time of a process so far (user and system), from /proc.
double ProcessCpuMs(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the name in parentheses: utime and stime are the 12th and 13th.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) * 1000.0 /
           double(sysconf(_SC_CLK_TCK));
}

struct Phase {
    double ms = -1;
    double cpuMs = -1; // this process
    double serviceCpuMs = -1;
    double peakMb = -1;
    double longestStallMs = -1; // the longest the event loop did not run a 5 ms timer
};

// Measures how long the UI thread's event loop goes without turning.
class StallMeter {
public:
    StallMeter() {
        QObject::connect(&mTicker, &QTimer::timeout,
                         [this] { mLongest = std::max(mLongest, mSince.restart()); });
        mTicker.start(5);
        mSince.start();
    }
    double LongestMs() const { return double(mLongest); }

private:
    QTimer mTicker;
    QElapsedTimer mSince;
    qint64 mLongest = 0;
};

Phase RenderAlone(const std::vector<PageSnapshot>& pages, const PageRenderer& renderer,
                  QSize size) {
    ResetPeak();
    QElapsedTimer timer;
    timer.start();
    std::vector<int> indices(pages.size());
    for (size_t i = 0; i < pages.size(); ++i)
        indices[i] = int(i);
    const double cpu = ProcessCpuMs(QCoreApplication::applicationPid());
    QtConcurrent::blockingMap(indices, [&](int i) {
        const QImage picture = renderer.Render(pages[size_t(i)], size, RenderMode::Print);
        benchmark::DoNotOptimize(EncodeJpeg(picture).size());
    });
    return {double(timer.elapsed()), ProcessCpuMs(QCoreApplication::applicationPid()) - cpu, -1,
            PeakMb()};
}

// The service's address once it listens, or empty.
QString StartService(QProcess& service, const QString& orders) {
    service.start(QStringLiteral(LUMBRA_PRINT_SERVICE), {"--port", "0", "--orders", orders});
    if (!service.waitForReadyRead(20000))
        return {};
    const auto m = QRegularExpression(QStringLiteral("(http://\\S+/pb/)"))
                       .match(QString::fromUtf8(service.readLine()));
    return m.hasMatch() ? m.captured(1) : QString();
}

QString OpenOrder(QNetworkAccessManager& network, const QString& url) {
    QNetworkReply* reply = network.get(QNetworkRequest(QUrl(url + "verify.php?i=TEST")));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    const auto m = QRegularExpression(QStringLiteral("\\[\\((\\w+)\\)\\]"))
                       .match(QString::fromUtf8(reply->readAll()));
    return m.hasMatch() ? m.captured(1) : QString();
}

Phase Upload(const std::shared_ptr<Book>& book, const PageRenderer& renderer, QSize size,
             const QString& url, qint64 servicePid, bool* complete) {
    QNetworkAccessManager network;
    const QString id = OpenOrder(network, url);
    BookUpload upload(&network, renderer, size, UploadSettings{ServiceAddress(url), 60000});
    QEventLoop loop;
    QObject::connect(&upload, &BookUpload::finished, &loop, [&](const UploadResult& result) {
        *complete = result.complete;
        loop.quit();
    });
    ResetPeak();
    QElapsedTimer timer;
    timer.start();
    StallMeter stalls;
    const double cpu = ProcessCpuMs(QCoreApplication::applicationPid());
    const double serviceCpu = ProcessCpuMs(servicePid);
    upload.Start(book, id, QStringLiteral("linen-blue"));
    loop.exec();
    return {double(timer.elapsed()), ProcessCpuMs(QCoreApplication::applicationPid()) - cpu,
            ProcessCpuMs(servicePid) - serviceCpu, PeakMb(), stalls.LongestMs()};
}

void BM_UploadVsRenderingAlone(benchmark::State& state) {
    const AlbumBenchBook& bench = TheAlbumBook();
    BookManager manager(bench.books, const_cast<Templates&>(bench.catalogue));
    manager.Initialize();
    const std::shared_ptr<Book> book = manager.GetBook();
    const PageRenderer renderer = PageRenderer::ForCatalogue(bench.catalogue, QString());
    const QSize size = PrintPageSize(bench.catalogue);
    std::vector<PageSnapshot> pages;
    for (int i = 0; i < book->PagesCount(); ++i)
        pages.push_back(SnapshotPage(*book->GetPage(i)));

    QTemporaryDir orders;
    QProcess service;
    const QString url = StartService(service, orders.path());
    if (url.isEmpty()) {
        state.SkipWithError("the print service did not start");
        return;
    }
    Phase alone, upload;
    bool complete = false;
    for (auto _ : state) {
        // The reference before and after the upload; the faster counts.
        alone = RenderAlone(pages, renderer, size);
        upload = Upload(book, renderer, size, url, service.processId(), &complete);
        const Phase again = RenderAlone(pages, renderer, size);
        if (again.ms < alone.ms)
            alone = again;
    }
    service.kill();
    service.waitForFinished();
    if (!complete) {
        state.SkipWithError("the upload did not go through");
        return;
    }
    state.counters["pages"] = double(pages.size());
    state.counters["threads"] = QThreadPool::globalInstance()->maxThreadCount();
    state.counters["render_alone_ms"] = alone.ms;
    state.counters["upload_ms"] = upload.ms;
    state.counters["upload_to_render_ratio"] = upload.ms / alone.ms;
    state.counters["cpu_ms_render_alone"] = alone.cpuMs;
    state.counters["cpu_ms_upload"] = upload.cpuMs;
    state.counters["cpu_ms_service"] = upload.serviceCpuMs;
    state.counters["peak_mb_render_alone"] = alone.peakMb;
    state.counters["peak_mb_upload"] = upload.peakMb;
    state.counters["longest_ui_stall_ms"] = upload.longestStallMs;
}

} // namespace

BENCHMARK(BM_UploadVsRenderingAlone)->Unit(benchmark::kMillisecond)->Iterations(1);
