#include "BenchJpegs.h"

#include "base/AtomicWrite.h"
#include "imaging/JpegEncode.h"

#include <QImage>
#include <cmath>

QString WriteBenchJpeg(const QString& path, int width, int height, int variant,
                       const QByteArray& icc) {
    QImage image(width, height, QImage::Format_RGB32);
    const int shift = variant * 67;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 255 / width + shift) % 256, y * 255 / height,
                           int(128 + 100 * std::sin(x / 31.0)));
    }
    WriteFileAtomically(path, EncodeJpeg(image, kPageJpegQuality, {icc, {}}));
    return path;
}
