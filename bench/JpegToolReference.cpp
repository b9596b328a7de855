#include "JpegToolReference.h"

#include "imaging/JpegEncode.h"

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace {

QTemporaryDir& RunDir() {
    static QTemporaryDir dir;
    return dir;
}

// Gradients, soft waves and noise: compresses like a real photo.
QImage PhotoPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator noise(42);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(noise.bounded(24)) - 12;
            const double wave = 60 * std::sin(x / 53.0) * std::cos(y / 71.0);
            line[x] =
                qRgb(std::clamp(x * 200 / width + 30 + n, 0, 255),
                     std::clamp(int(y * 180 / height + 40 + wave) + n, 0, 255),
                     std::clamp(int(128 - wave) + (x + y) * 60 / (width + height) + n, 0, 255));
        }
    }
    return image;
}

} // namespace

QString BenchTempDir() {
    static int next = 0;
    const QString path = RunDir().path() + QStringLiteral("/t%1").arg(next++);
    QDir().mkpath(path);
    return path;
}

const QString& BenchPhotoPath() {
    static const QString path = [] {
        const QString file = RunDir().path() + QStringLiteral("/photo6000.jpg");
        SaveJpegAtomically(PhotoPicture(6000, 4000), file, 90);
        return file;
    }();
    return path;
}

double ToolMs(const QString& program, const QStringList& args,
              const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

double BestToolMs(const QString& program, const QStringList& args, int runs) {
    double best = -1;
    for (int i = 0; i < runs; ++i) {
        const double ms = ToolMs(program, args);
        if (ms < 0)
            return -1;
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}
