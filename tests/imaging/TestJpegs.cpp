#include "TestJpegs.h"

#include "imaging/FreeImageBridge.h"

#include <QFile>

#include <cmath>
#include <stdexcept>

namespace TestJpegs {

QImage Quadrants(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            const QColor c =
                !bottom ? (right ? Qt::green : Qt::red) : (right ? Qt::white : Qt::blue);
            image.setPixel(x, y, c.rgb());
        }
    return image;
}

QImage PhotoLike(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int r = x * 255 / width;
            const int g = y * 255 / height;
            const int b =
                int(128 + 100 * std::sin(x / 37.0) * std::cos(y / 23.0) + ((x * 7 + y * 13) % 11));
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

void Write(const QString& path, const QImage& image) {
    FiBitmap dib = FiFromQImage(image);
    FiSaveAtomically(FIF_JPEG, dib.get(), path, JPEG_QUALITYSUPERB);
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void AddExifOrientation(const QString& path, int orientation) {
    // APP1: "Exif\0\0", big-endian TIFF header, IFD0 with one SHORT entry 0x0112.
    const unsigned char segment[] = {
        0xFF, 0xE1, 0x00, 0x22, 'E',  'x',
        'i',  'f',  0,    0,    'M',  'M',
        0x00, 0x2A, 0x00, 0x00, 0x00, 0x08,
        0x00, 0x01, 0x01, 0x12, 0x00, 0x03,
        0x00, 0x00, 0x00, 0x01, 0x00, static_cast<unsigned char>(orientation),
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    QByteArray bytes = ReadBytes(path);
    bytes.insert(2, reinterpret_cast<const char*>(segment), sizeof(segment));
    WriteBytes(path, bytes);
}

void ClaimSize(const QString& path, int width, int height) {
    QByteArray bytes = ReadBytes(path);
    for (qsizetype i = 2; i + 9 < bytes.size(); ++i) {
        const auto marker = static_cast<unsigned char>(bytes[i + 1]);
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            bytes[i + 5] = char(height >> 8);
            bytes[i + 6] = char(height & 0xFF);
            bytes[i + 7] = char(width >> 8);
            bytes[i + 8] = char(width & 0xFF);
            WriteBytes(path, bytes);
            return;
        }
    }
    throw std::runtime_error("no frame header");
}

double Psnr(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const double dr = qRed(p) - qRed(q), dg = qGreen(p) - qGreen(q),
                         db = qBlue(p) - qBlue(q);
            sum += dr * dr + dg * dg + db * db;
        }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

bool Near(QRgb actual, QColor expected, int tolerance) {
    return std::abs(qRed(actual) - expected.red()) <= tolerance &&
           std::abs(qGreen(actual) - expected.green()) <= tolerance &&
           std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

} // namespace TestJpegs
