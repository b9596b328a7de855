#include "TestHeif.h"

#include <libheif/heif.h>

#include <cstring>
#include <memory>
#include <stdexcept>

namespace TestJpegs {

namespace {

void Check(heif_error error) {
    if (error.code != heif_error_Ok)
        throw std::runtime_error(error.message);
}

heif_error Append(heif_context*, const void* data, size_t size, void* file) {
    static_cast<QByteArray*>(file)->append(static_cast<const char*>(data), qsizetype(size));
    return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

} // namespace

QByteArray EncodeHeic(const QImage& stored, const QByteArray& icc, const QByteArray& exif,
                      int orientation) {
    const QImage rgb = stored.convertToFormat(QImage::Format_RGB888);
    std::unique_ptr<heif_context, void (*)(heif_context*)> context(heif_context_alloc(),
                                                                   heif_context_free);
    heif_encoder* encoder = nullptr;
    Check(heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &encoder));
    heif_encoder_set_lossy_quality(encoder, 95);
    heif_image* image = nullptr;
    Check(heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB,
                            heif_chroma_interleaved_RGB, &image));
    Check(heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8));
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
    if (!icc.isEmpty())
        Check(heif_image_set_raw_color_profile(image, "prof", icc.constData(), size_t(icc.size())));
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation(orientation);
    heif_image_handle* handle = nullptr;
    const heif_error encoded =
        heif_context_encode_image(context.get(), image, encoder, options, &handle);
    heif_encoding_options_free(options);
    heif_image_release(image);
    heif_encoder_release(encoder);
    Check(encoded);
    if (!exif.isEmpty())
        Check(heif_context_add_exif_metadata(context.get(), handle, exif.constData(),
                                             int(exif.size())));
    heif_image_handle_release(handle);
    QByteArray file;
    heif_writer writer{1, Append};
    Check(heif_context_write(context.get(), &writer, &file));
    return file;
}

} // namespace TestJpegs
