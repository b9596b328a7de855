#include "imaging/JpegEncode.h"

#include "base/AtomicWrite.h"
#include "base/LumbraError.h"
#include "imaging/ColourConversion.h"
#include "imaging/JpegGuard.h"

#include <jerror.h>

#include <algorithm>
#include <cstdlib>

namespace {

// RGB32 pixels as bytes in memory.
constexpr J_COLOR_SPACE kRgb32 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// The encoded bytes, in a buffer we grow (and own at every moment).
struct BufferDestination {
    jpeg_destination_mgr manager{}; // first: the library's callbacks find the rest from it
    unsigned char* data = nullptr;
    size_t capacity = 0;
};

BufferDestination& DestinationOf(j_compress_ptr info) {
    return *reinterpret_cast<BufferDestination*>(info->dest);
}

// Makes room for `capacity` bytes, keeping the `used` ones.
void GrowTo(j_compress_ptr info, size_t capacity, size_t used) {
    BufferDestination& destination = DestinationOf(info);
    void* grown = std::realloc(destination.data, capacity);
    if (!grown)
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    destination.data = static_cast<unsigned char*>(grown);
    destination.capacity = capacity;
    destination.manager.next_output_byte = destination.data + used;
    destination.manager.free_in_buffer = capacity - used;
}

void InitDestination(j_compress_ptr info) {
    // About what a photo-like picture takes at middle qualities.
    const size_t guess = size_t(info->image_width) * info->image_height / 4;
    GrowTo(info, std::max<size_t>(guess, 1 << 16), 0);
}

boolean EmptyBuffer(j_compress_ptr info) {
    const size_t used = DestinationOf(info).capacity;
    GrowTo(info, used * 2, used);
    return TRUE;
}

void TermDestination(j_compress_ptr) {}

// One compressor and its output; both are freed whatever state a failure
// left them in.
struct Compressor {
    jpeg_compress_struct info{};
    JpegGuard guard;
    BufferDestination destination;

    Compressor() = default;
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
    ~Compressor() {
        jpeg_destroy_compress(&info);
        std::free(destination.data);
    }

    size_t size() const { return destination.capacity - destination.manager.free_in_buffer; }
};

void WriteMetadata(jpeg_compress_struct* info, const JpegMetadata& metadata) {
    constexpr QByteArrayView kExifSignature("Exif\0\0", 6);
    constexpr qsizetype kMaxSegment = 65533;
    if (!metadata.exif.isEmpty() && metadata.exif.size() + kExifSignature.size() <= kMaxSegment) {
        const QByteArray app1 = kExifSignature.toByteArray() + metadata.exif;
        jpeg_write_marker(info, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(app1.constData()),
                          unsigned(app1.size()));
    }
    if (!metadata.icc.isEmpty())
        jpeg_write_icc_profile(info, reinterpret_cast<const JOCTET*>(metadata.icc.constData()),
                               unsigned(metadata.icc.size()));
}

bool Compress(Compressor& c, const QImage& rgb, int quality, const JpegMetadata& metadata) {
    jpeg_compress_struct* info = &c.info;
    c.guard.AttachErrors(reinterpret_cast<j_common_ptr>(info));
    c.destination.manager.init_destination = InitDestination;
    c.destination.manager.empty_output_buffer = EmptyBuffer;
    c.destination.manager.term_destination = TermDestination;
    const uchar* bits = rgb.constBits();
    const qsizetype stride = rgb.bytesPerLine();
    return GuardedJpegCall(c.guard, [&c, info, bits, stride, &rgb, quality, &metadata] {
        jpeg_create_compress(info);
        info->dest = &c.destination.manager;
        info->image_width = JDIMENSION(rgb.width());
        info->image_height = JDIMENSION(rgb.height());
        info->input_components = 4;
        info->in_color_space = kRgb32;
        jpeg_set_defaults(info); // YCbCr 4:2:0, baseline, JFIF header
        jpeg_set_quality(info, std::clamp(quality, 1, 100), TRUE);
        info->dct_method = JDCT_ISLOW;
        jpeg_start_compress(info, TRUE);
        WriteMetadata(info, metadata);
        while (info->next_scanline < info->image_height) {
            // The library only reads the rows.
            JSAMPROW row = const_cast<uchar*>(bits + qsizetype(info->next_scanline) * stride);
            jpeg_write_scanlines(info, &row, 1);
        }
        jpeg_finish_compress(info);
    });
}

} // namespace

QByteArray EncodeJpeg(const QImage& picture, int quality, const JpegMetadata& metadata) {
    if (picture.isNull())
        throw LumbraError(QStringLiteral("Cannot encode an empty picture"));
    const QImage rgb =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    Compressor compressor;
    if (rgb.isNull() || !Compress(compressor, rgb, quality, metadata) || compressor.size() == 0)
        throw LumbraError(QStringLiteral("Cannot encode a picture of %1 x %2 as JPEG")
                              .arg(picture.width())
                              .arg(picture.height()));
    return QByteArray(reinterpret_cast<const char*>(compressor.destination.data),
                      qsizetype(compressor.size()));
}

QByteArray EncodePageJpeg(const QImage& page) {
    return EncodeJpeg(page, kPageJpegQuality, {SrgbProfile(), {}});
}

void SaveJpegAtomically(const QImage& picture, const QString& path, int quality) {
    WriteFileAtomically(path, EncodeJpeg(picture, quality));
}
