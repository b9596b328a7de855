#include "TestHeif.h"

#include <libheif/heif_cxx.h>

#include <cstring>

namespace TestJpegs {

namespace {

struct MemoryWriter : heif::Context::Writer {
    QByteArray file;
    heif_error write(const void* data, size_t size) override {
        file.append(static_cast<const char*>(data), qsizetype(size));
        return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
    }
};

} // namespace

QByteArray EncodeHeic(const QImage& stored, const QByteArray& icc, const QByteArray& exif,
                      int orientation) {
    const QImage rgb = stored.convertToFormat(QImage::Format_RGB888);
    heif::Image image;
    image.create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB);
    image.add_plane(heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    uint8_t* plane = image.get_plane(heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
    if (!icc.isEmpty())
        image.set_raw_color_profile(heif_color_profile_type_prof,
                                    std::vector<uint8_t>(icc.begin(), icc.end()));
    heif::Encoder encoder(heif_compression_HEVC);
    encoder.set_lossy_quality(95);
    heif::Context::EncodingOptions options;
    options.image_orientation = heif_orientation(orientation);
    heif::Context context;
    const heif::ImageHandle handle = context.encode_image(image, encoder, options);
    if (!exif.isEmpty())
        context.add_exif_metadata(handle, exif.constData(), int(exif.size()));
    MemoryWriter writer;
    context.write(writer);
    return writer.file;
}

} // namespace TestJpegs
