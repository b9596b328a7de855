#include "TestJpegs.h"

#include "imaging/FreeImageBridge.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
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
    WriteBytes(path, WithExif(ReadBytes(path), CameraTiff(true, orientation)));
}

QByteArray SmallJpeg() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("small.jpg"));
    Write(path, Quadrants(64, 48));
    return ReadBytes(path);
}

void PutShort(QByteArray& tiff, qsizetype at, quint16 value) {
    const bool big = tiff.startsWith("MM");
    tiff[at] = char(big ? value >> 8 : value & 0xFF);
    tiff[at + 1] = char(big ? value & 0xFF : value >> 8);
}

void PutLong(QByteArray& tiff, qsizetype at, quint32 value) {
    const bool big = tiff.startsWith("MM");
    PutShort(tiff, at + (big ? 0 : 2), quint16(value >> 16));
    PutShort(tiff, at + (big ? 2 : 0), quint16(value & 0xFFFF));
}

QByteArray CameraTiff(bool bigEndian, int orientation) {
    enum : quint16 { Ascii = 2, Short = 3, Long = 4, Undefined = 7 };
    const qsizetype subIfd = kTiffIfd0Next + 4;
    const qsizetype make = subIfd + 2 + 12 + 4;
    QByteArray tiff(make + 6, '\0');
    tiff.replace(0, 2, bigEndian ? "MM" : "II");
    PutShort(tiff, 2, 42);
    PutLong(tiff, 4, kTiffIfd0);
    const auto entry = [&tiff](qsizetype at, quint16 tag, quint16 type, quint32 count) {
        PutShort(tiff, at, tag);
        PutShort(tiff, at + 2, type);
        PutLong(tiff, at + 4, count);
    };
    PutShort(tiff, kTiffIfd0, 3);
    entry(kTiffIfd0 + 2, 0x010F, Ascii, 6); // Make
    PutLong(tiff, kTiffIfd0 + 2 + 8, quint32(make));
    entry(kTiffIfd0 + 14, 0x0112, Short, 1); // Orientation
    PutShort(tiff, kTiffIfd0 + 14 + 8, quint16(orientation));
    entry(kTiffIfd0 + 26, 0x8769, Long, 1); // EXIF sub-IFD
    PutLong(tiff, kTiffIfd0 + 26 + 8, quint32(subIfd));
    PutLong(tiff, kTiffIfd0Next, 0);
    PutShort(tiff, subIfd, 1);
    entry(subIfd + 2, 0x9000, Undefined, 4); // ExifVersion
    tiff.replace(subIfd + 2 + 8, 4, "0230");
    tiff.replace(make, 6, QByteArray("Maker\0", 6));
    return tiff;
}

QByteArray CameraTiff(bool bigEndian, int orientation, const QByteArray& taken) {
    QByteArray tiff = CameraTiff(bigEndian, orientation);
    // A second 12-byte entry moves Make along; its pointer follows.
    const qsizetype entry = kTiffSubIfd + 2 + 12;
    tiff.insert(entry, QByteArray(12, '\0'));
    PutLong(tiff, kTiffIfd0 + 2 + 8, quint32(tiff.size() - 6));
    PutShort(tiff, kTiffSubIfd, 2);
    const qsizetype stamp = tiff.size();
    tiff += taken.leftJustified(19, ' ', true) + QByteArray(1, '\0');
    PutShort(tiff, entry, 0x9003);
    PutShort(tiff, entry + 2, 2); // ASCII
    PutLong(tiff, entry + 4, 20);
    PutLong(tiff, entry + 8, quint32(stamp));
    return tiff;
}

QByteArray WithSegment(const QByteArray& jpeg, unsigned char marker, const QByteArray& payload) {
    QByteArray segment;
    segment += char(0xFF);
    segment += char(marker);
    segment += char((payload.size() + 2) >> 8);
    segment += char((payload.size() + 2) & 0xFF);
    segment += payload;
    QByteArray result = jpeg;
    result.insert(2, segment);
    return result;
}

QByteArray WithExif(const QByteArray& jpeg, const QByteArray& tiff) {
    return WithSegment(jpeg, 0xE1, QByteArray("Exif\0\0", 6) + tiff);
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

int MaxDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 255;
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

} // namespace TestJpegs
