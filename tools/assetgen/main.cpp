// Paints the pictures delivered with the program: background pictures in
// four sizes, the image-too-small marker and the introduction picture.
//   lumbra_assetgen <output folder> [background name ...]
//   lumbra_assetgen --sample-photos <folder> <count>   (test photos, 2400 x 1600)
//   lumbra_assetgen --site-backgrounds <folder> <name ...>   (the print service's
//       background site: "<name>_or.jpg" only)

#include "Backgrounds.h"
#include "ImageFiles.h"
#include "Pictures.h"
#include "SamplePhotos.h"

#include <FreeImage.h>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <thread>
#include <vector>

namespace {

// The picture as delivered: a page at 216 dots per inch.
const QSize OriginalSize(2458, 1769);

struct Reduced {
    const char* suffix;
    QSize box;
};
const Reduced ReducedSizes[] = {
    {"_lg.jpg", QSize(1127, 811)}, {"_md.jpg", QSize(800, 576)}, {"_sm.jpg", QSize(145, 104)}};

void WriteBackground(const QString& folder, const QString& name) {
    const QImage original = Backgrounds::Paint(name, OriginalSize);
    if (original.isNull())
        throw std::runtime_error("Unknown background " + name.toStdString());
    const QString stem = folder + name;
    ImageFiles::SaveJpeg(original, stem + QStringLiteral("_or.jpg"), 90);
    QImage previous = original;
    for (const Reduced& reduced : ReducedSizes) {
        const QSize size = ImageFiles::FitInto(OriginalSize, reduced.box);
        previous = previous.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        ImageFiles::SaveJpeg(previous, stem + QLatin1String(reduced.suffix), 88);
    }
}

// Two workers share the list; the first error stops the run.
void WriteBackgrounds(const QString& folder, const QStringList& names) {
    std::atomic<int> next = 0;
    std::exception_ptr failure;
    std::atomic<bool> failed = false;
    const auto work = [&] {
        for (int i = next++; i < names.size() && !failed; i = next++) {
            try {
                WriteBackground(folder, names[i]);
            } catch (...) {
                if (!failed.exchange(true))
                    failure = std::current_exception();
            }
        }
    };
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i)
        workers.emplace_back(work);
    for (auto& worker : workers)
        worker.join();
    if (failure)
        std::rethrow_exception(failure);
}

int WriteSamplePhotos(const QString& folder, int count) {
    QDir().mkpath(folder);
    for (int n = 0; n < count; ++n) {
        const QString path =
            QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(n + 1, 2, 10, QChar('0')));
        ImageFiles::SaveJpeg(SamplePhotos::Paint(n, QSize(2400, 1600)), path, 90);
    }
    return 0;
}

// The background site offers pictures the program does not deliver: our own
// paintings with their colour channels turned round.
int WriteSiteBackgrounds(const QString& folder, const QStringList& names) {
    static const std::pair<const char*, const char*> kPainters[] = {
        {"dusk", "dawn"}, {"lagoon", "sea"}, {"heather", "meadow"}, {"blush", "rose"}};
    QDir().mkpath(folder);
    for (const QString& name : names) {
        const auto painter = std::find_if(std::begin(kPainters), std::end(kPainters),
                                          [&](const auto& entry) { return name == entry.first; });
        if (painter == std::end(kPainters)) {
            std::fprintf(stderr, "assetgen: unknown site background %s\n", qPrintable(name));
            return 1;
        }
        const QImage picture =
            Backgrounds::Paint(QString::fromLatin1(painter->second), OriginalSize).rgbSwapped();
        ImageFiles::SaveJpeg(picture, QDir(folder).filePath(name + QStringLiteral("_or.jpg")), 90);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && QByteArray(argv[1]) == "--sample-photos") {
        FreeImage_Initialise(FALSE);
        try {
            return WriteSamplePhotos(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
        } catch (const std::exception& error) {
            std::fprintf(stderr, "assetgen: %s\n", error.what());
            return 1;
        }
    }
    if (argc >= 3 && QByteArray(argv[1]) == "--site-backgrounds") {
        FreeImage_Initialise(FALSE);
        QStringList names;
        for (int i = 3; i < argc; ++i)
            names << QString::fromLocal8Bit(argv[i]);
        try {
            return WriteSiteBackgrounds(QString::fromLocal8Bit(argv[2]), names);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "assetgen: %s\n", error.what());
            return 1;
        }
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder> [background name ...]\n", argv[0]);
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    FreeImage_Initialise(FALSE);
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';
    QStringList names;
    for (int i = 2; i < argc; ++i)
        names << QString::fromLocal8Bit(argv[i]);
    if (names.isEmpty())
        names = Backgrounds::Names();
    int status = 0;
    try {
        const QString backgrounds = output + QStringLiteral("backgrounds/");
        if (!QDir().mkpath(backgrounds))
            throw std::runtime_error("Cannot create " + backgrounds.toStdString());
        WriteBackgrounds(backgrounds, names);
        ImageFiles::SaveGif(Pictures::ImageTooSmallMarker(),
                            output + QStringLiteral("imageTooSmall.gif"));
        ImageFiles::SavePng(Pictures::Introduction(), output + QStringLiteral("introduction.png"));
        std::printf("assetgen: %lld backgrounds and 2 pictures in %lld ms\n",
                    qlonglong(names.size()), qlonglong(timer.elapsed()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        status = 1;
    }
    FreeImage_DeInitialise();
    return status;
}
