#include "TestJpegKinds.h"

#include "imaging/JpegGuard.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace TestJpegs {

namespace {

// Inverted CMYK (0 = full ink) that converts back as R = C * K / 255.
std::vector<JSAMPLE> CmykRow(const QImage& rgb, int y) {
    std::vector<JSAMPLE> row(size_t(rgb.width()) * 4);
    for (int x = 0; x < rgb.width(); ++x) {
        const QRgb p = rgb.pixel(x, y);
        const int k = std::max({qRed(p), qGreen(p), qBlue(p), 1});
        const auto ink = [k](int c) { return JSAMPLE(std::min(255, (c * 255 + k / 2) / k)); };
        JSAMPLE* out = row.data() + x * 4;
        out[0] = ink(qRed(p));
        out[1] = ink(qGreen(p));
        out[2] = ink(qBlue(p));
        out[3] = JSAMPLE(k);
    }
    return row;
}

std::vector<JSAMPLE> PixelRow(const QImage& rgb, int y, JpegKind kind) {
    if (kind == JpegKind::Cmyk || kind == JpegKind::Ycck)
        return CmykRow(rgb, y);
    if (kind == JpegKind::Inks)
        return {rgb.constScanLine(y), rgb.constScanLine(y) + size_t(rgb.width()) * 4};
    const bool grey = kind == JpegKind::Grey;
    std::vector<JSAMPLE> row(size_t(rgb.width()) * (grey ? 1 : 3));
    for (int x = 0; x < rgb.width(); ++x) {
        const QRgb p = rgb.pixel(x, y);
        if (grey) {
            row[size_t(x)] = JSAMPLE(qGray(p));
            continue;
        }
        row[size_t(x) * 3] = JSAMPLE(qRed(p));
        row[size_t(x) * 3 + 1] = JSAMPLE(qGreen(p));
        row[size_t(x) * 3 + 2] = JSAMPLE(qBlue(p));
    }
    return row;
}

void SetUp(jpeg_compress_struct& info, const QImage& picture, JpegKind kind) {
    info.image_width = JDIMENSION(picture.width());
    info.image_height = JDIMENSION(picture.height());
    const bool inks = kind == JpegKind::Cmyk || kind == JpegKind::Ycck || kind == JpegKind::Inks;
    info.input_components = kind == JpegKind::Grey ? 1 : inks ? 4 : 3;
    info.in_color_space = kind == JpegKind::Grey ? JCS_GRAYSCALE : inks ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    if (kind == JpegKind::Cmyk || kind == JpegKind::Inks)
        jpeg_set_colorspace(&info, JCS_CMYK); // writes the Adobe marker
    if (kind == JpegKind::Ycck)
        jpeg_set_colorspace(&info, JCS_YCCK);
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&info);
    if (kind == JpegKind::Restarts)
        info.restart_in_rows = 1;
}

} // namespace

QByteArray EncodeKind(const QImage& picture, JpegKind kind) {
    const QImage rgb =
        kind == JpegKind::Inks ? picture : picture.convertToFormat(QImage::Format_RGB32);
    std::vector<std::vector<JSAMPLE>> rows;
    for (int y = 0; y < rgb.height(); ++y)
        rows.push_back(PixelRow(rgb, y, kind));
    std::vector<JSAMPROW> pointers;
    for (auto& row : rows)
        pointers.push_back(row.data());

    jpeg_compress_struct info{};
    JpegGuard guard;
    guard.AttachErrors(reinterpret_cast<j_common_ptr>(&info));
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool done = GuardedJpegCall(guard, [&] {
        jpeg_create_compress(&info);
        jpeg_mem_dest(&info, &buffer, &size);
        SetUp(info, rgb, kind);
        jpeg_start_compress(&info, TRUE);
        jpeg_write_scanlines(&info, pointers.data(), JDIMENSION(pointers.size()));
        jpeg_finish_compress(&info);
    });
    jpeg_destroy_compress(&info);
    const QByteArray bytes =
        done ? QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size)) : QByteArray();
    if (!done) // the library may have moved the buffer: left as it is
        throw std::runtime_error("cannot write the test JPEG");
    std::free(buffer);
    return bytes;
}

} // namespace TestJpegs
