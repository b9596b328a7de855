// Thumbnail creation for a 4000 x 3000 JPEG: one reduced-scale decode
// (what the import does) against a full decode followed by the same scaling.

#include "BenchFixtures.h"
#include "imaging/JpegDecode.h"
#include "imaging/JpegEncode.h"
#include "imaging/PhotoImageFiles.h"
#include "imaging/ThumbScaling.h"

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

struct BenchPhoto {
    QTemporaryDir dir;
    QString source = dir.path() + QStringLiteral("/big.jpg");
    BenchPhoto() {
        QImage image(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb(x * 255 / 4000, y * 255 / 3000,
                               int(128 + 100 * std::sin(x / 37.0) * std::cos(y / 23.0)));
        }
        SaveJpegAtomically(image, source);
    }
};

BenchPhoto& Photo() { return BenchFixture<BenchPhoto>(); }

void BM_ThumbnailsReducedDecode(benchmark::State& state) {
    BenchPhoto& photo = Photo();
    for (auto _ : state) {
        const bool made =
            MakePhotoFiles(photo.source, photo.dir.path() + QStringLiteral("/r"), kPhotoThumbBoxes);
        benchmark::DoNotOptimize(made);
    }
}

void BM_ThumbnailsFullDecode(benchmark::State& state) {
    BenchPhoto& photo = Photo();
    const QString stem = photo.dir.path() + QStringLiteral("/f");
    for (auto _ : state) {
        const DecodedPhoto decoded =
            DecodeJpeg(photo.source, [](const JpegHeader&) { return JpegDecodeRequest{}; });
        const QSize full(decoded.header.width, decoded.header.height);
        for (size_t i = 0; i < kPhotoThumbBoxes.size(); ++i)
            SaveThumbnail(stem + ThumbSuffix(kThumbTypes[i]) + QStringLiteral(".jpg"),
                          decoded.picture,
                          FitSize(full, kPhotoThumbBoxes[i].width, kPhotoThumbBoxes[i].height));
        CopyFileAtomically(photo.source, stem + QStringLiteral("_or.jpg"));
    }
}

} // namespace

BENCHMARK(BM_ThumbnailsReducedDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ThumbnailsFullDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);
