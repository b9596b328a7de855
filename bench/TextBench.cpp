// Text work that must grow in step with the text: reading rich text of code
// page 932 whose characters' second halves are plain letters (10 000 against
// 100 000 characters), printing a page whose text box holds 1 MB against
// 10 MB of text, and counting the lines such a box cuts. Each reports both
// times and their ratio; linear work gives a ratio near 10.

#include "model/TemplateBox.h"
#include "render/PageRenderer.h"
#include "render/PageScene.h"
#include "render/TextOverflow.h"
#include "render/rtf/RtfReader.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

namespace {

constexpr QSize kPrint{2458, 1769};

// Milliseconds of the quickest of `runs` calls.
double BestMs(int runs, const std::function<void()>& work) {
    double best = -1;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

void ReportRatio(benchmark::State& state, const char* small, double smallMs, const char* large,
                 double largeMs) {
    state.counters[std::string("ms_") + small] = smallMs;
    state.counters[std::string("ms_") + large] = largeMs;
    state.counters["ratio"] = smallMs > 0 ? largeMs / smallMs : 0;
}

// `pairs` characters of code page 932, each "\'81" and a letter.
QString DoubleBytePairs(int pairs) {
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg932\\deff0 ");
    rtf.reserve(rtf.size() + qsizetype(pairs) * 5 + 1);
    for (int i = 0; i < pairs; ++i)
        rtf += QLatin1String("\\'81a");
    return rtf + u'}';
}

void BM_RtfDoubleBytePairs10kVs100k(benchmark::State& state) {
    const QString small = DoubleBytePairs(10000);
    const QString large = DoubleBytePairs(100000);
    const RtfReader reader;
    auto read = [&reader](const QString& rtf) {
        return [&reader, &rtf] { benchmark::DoNotOptimize(reader.Read(rtf)->characterCount()); };
    };
    double smallMs = 0;
    double largeMs = 0;
    for (auto _ : state) {
        smallMs = BestMs(20, read(small));
        largeMs = BestMs(5, read(large));
    }
    ReportRatio(state, "10k", smallMs, "100k", largeMs);
}

// About `bytes` of rich text in ten paragraphs, so that a paragraph grows
// with the text (work that grows with the square of a paragraph shows).
QString TextOfSize(qsizetype bytes) {
    QString rtf =
        QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil DejaVu Sans;}}\\f0\\fs24 ");
    rtf.reserve(bytes + 64);
    const QLatin1String words[] = {QLatin1String("summer "),        QLatin1String("by "),
                                   QLatin1String("the "),           QLatin1String("lake "),
                                   QLatin1String("\\b with\\b0  "), QLatin1String("everyone ")};
    qsizetype paragraphEnd = bytes / 10;
    for (int i = 0; rtf.size() < bytes; ++i) {
        rtf += words[i % 6];
        if (rtf.size() >= paragraphEnd) {
            rtf += QLatin1String("\\par ");
            paragraphEnd += bytes / 10;
        }
    }
    return rtf + u'}';
}

// The print picture of a page whose one text box (230 x 170 mm) holds `rtf`.
void PrintTextPage(const PageRenderer& renderer, const QString& rtf) {
    auto box = std::make_shared<TemplateBox>();
    box->Deserialize(QStringLiteral("Text[30,20,230,170,0"));
    PageSnapshot scene;
    scene.textBoxes.push_back(*box);
    scene.texts.push_back(rtf);
    const QImage picture = renderer.Render(scene, kPrint, RenderMode::Print);
    benchmark::DoNotOptimize(picture.constBits());
}

void BM_PrintTextBox1MbVs10Mb(benchmark::State& state) {
    const QTemporaryDir dir;
    const PageRenderer renderer(dir.path() + QStringLiteral("/bg/"), {289, 208});
    const QString small = TextOfSize(1 << 20);
    const QString large = TextOfSize(10 << 20);
    double smallMs = 0;
    double largeMs = 0;
    for (auto _ : state) {
        smallMs = BestMs(2, [&] { PrintTextPage(renderer, small); });
        largeMs = BestMs(1, [&] { PrintTextPage(renderer, large); });
    }
    ReportRatio(state, "1MB", smallMs, "10MB", largeMs);
}

// The lines the box of the printed page cuts: the whole text is laid out.
void BM_CutLineCount1MbVs10Mb(benchmark::State& state) {
    const QString small = TextOfSize(1 << 20);
    const QString large = TextOfSize(10 << 20);
    auto count = [](const QString& rtf) {
        return [&rtf] { benchmark::DoNotOptimize(CutLineCount(rtf, QSizeF(230, 170))); };
    };
    double smallMs = 0;
    double largeMs = 0;
    for (auto _ : state) {
        smallMs = BestMs(1, count(small));
        largeMs = BestMs(1, count(large));
    }
    ReportRatio(state, "1MB", smallMs, "10MB", largeMs);
}

} // namespace

BENCHMARK(BM_RtfDoubleBytePairs10kVs100k)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintTextBox1MbVs10Mb)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CutLineCount1MbVs10Mb)->Iterations(1)->Unit(benchmark::kMillisecond);
