// Importing a phone's 12 MP HEIC tagged Display P3 (the JPEG copy at
// quality 95 with its profile and EXIF block, three thumbnails in sRGB)
// against libheif's own decode of the same file to RGB, both in this
// process, best of three. Target: at most 1.3 x.

#include "BenchFixtures.h"
#include "BenchJpegs.h"
#include "JpegToolReference.h"

#include "imaging/ColourConversion.h"
#include "imaging/PhotoImageFiles.h"

#include <libheif/heif.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

// A 4032 x 3024 HEIC (a phone's 12 MP) made by heif-enc from a P3-tagged JPEG.
QString PhoneHeic() {
    static const QString path = [] {
        const QString folder = BenchTempDir();
        const QString jpeg = WriteBenchJpeg(folder + QStringLiteral("/phone.jpg"), 4032, 3024, 1,
                                            ProfileFromCodedColours(12, 13));
        const QString heic = folder + QStringLiteral("/phone.heic");
        QProcess::execute(QStringLiteral("heif-enc"), {QStringLiteral("-q"), QStringLiteral("80"),
                                                       jpeg, QStringLiteral("-o"), heic});
        return QFile::exists(heic) ? heic : QString();
    }();
    return path;
}

bool LibheifDecode(const QByteArray& file) {
    heif_context* context = heif_context_alloc();
    heif_image_handle* primary = nullptr;
    heif_image* image = nullptr;
    const bool done =
        heif_context_read_from_memory_without_copy(context, file.constData(), size_t(file.size()),
                                                   nullptr)
                .code == heif_error_Ok &&
        heif_context_get_primary_image_handle(context, &primary).code == heif_error_Ok &&
        heif_decode_image(primary, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                          nullptr)
                .code == heif_error_Ok;
    if (image)
        heif_image_release(image);
    if (primary)
        heif_image_handle_release(primary);
    heif_context_free(context);
    return done;
}

void BM_HeicImportVsLibheif(benchmark::State& state) {
    const QString heic = PhoneHeic();
    QFile file(heic);
    if (heic.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("heif-enc did not make the HEIC (install libheif-examples)");
        return;
    }
    const QByteArray bytes = file.readAll();
    const QString stem = BenchTempDir() + QStringLiteral("/p");
    double import = -1;
    double decode = -1;
    for (auto _ : state) {
        decode = BestRunMs(3, [&] { return LibheifDecode(bytes); });
        import = BestRunMs(3, [&] { return MakePhotoFiles(heic, stem, kPhotoThumbBoxes);
    });
}
if (import <= 0 || decode <= 0) {
    state.SkipWithError("the HEIC did not import or decode");
    return;
}
state.counters["import_ms"] = import;
state.counters["libheif_decode_ms"] = decode;
state.counters["ratio_to_libheif"] = import / decode;
} // namespace

} // namespace

BENCHMARK(BM_HeicImportVsLibheif)->Unit(benchmark::kMillisecond)->Iterations(1);
