#include "imaging/JpegScanlines.h"

#include "imaging/ColourConversion.h"
#include "imaging/JpegGuard.h"
#include "imaging/PicturePart.h"

#include <jerror.h>

#include <QtEndian>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Columns and rows decoded beyond the area on each side: the smooth chroma
// upsampling treats the edges of a partial decode as picture edges, so the
// outermost pixels of a part may differ from a whole decode's.
constexpr int kEdgeMargin = 2;
// Rows handed to the library per call.
constexpr int kRowBatch = 16;

// RGB32 pixels as bytes in memory.
constexpr J_COLOR_SPACE kRgb32 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

// The file's bytes in two parts read one after the other (the header without
// metadata, then the scan data), without copying them.
struct PartsSource {
    jpeg_source_mgr manager{}; // first: the library's callbacks find the rest from it
    std::array<QByteArrayView, 2> parts;
    size_t next = 0;
};

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr info) {
    auto* source = reinterpret_cast<PartsSource*>(info->src);
    while (source->next < source->parts.size()) {
        const QByteArrayView part = source->parts[source->next++];
        if (!part.isEmpty()) {
            source->manager.next_input_byte = reinterpret_cast<const JOCTET*>(part.data());
            source->manager.bytes_in_buffer = size_t(part.size());
            return TRUE;
        }
    }
    // A cut-off file: the warning fails the decode (see JpegGuard).
    WARNMS(info, JWRN_JPEG_EOF);
    source->manager.next_input_byte = kEndOfImage;
    source->manager.bytes_in_buffer = sizeof(kEndOfImage);
    return TRUE;
}

void SkipInput(j_decompress_ptr info, long count) {
    jpeg_source_mgr& manager = *info->src;
    while (count > 0 && size_t(count) > manager.bytes_in_buffer) {
        count -= long(manager.bytes_in_buffer);
        FillInput(info);
    }
    if (count > 0) {
        manager.next_input_byte += count;
        manager.bytes_in_buffer -= size_t(count);
    }
}

// One decompressor, destroyed with everything the library holds for it
// whatever state a failure left it in.
struct Decompressor {
    jpeg_decompress_struct info{};
    JpegGuard guard;
    PartsSource source;

    Decompressor() = default;
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
    ~Decompressor() { jpeg_destroy_decompress(&info); }

    j_common_ptr Common() { return reinterpret_cast<j_common_ptr>(&info); }
};

// The colours come out as RGB32, or as CMYK that we convert.
bool ChooseOutput(jpeg_decompress_struct& info) {
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB: info.out_color_space = kRgb32; return true;
    case JCS_CMYK:
    case JCS_YCCK: info.out_color_space = JCS_CMYK; return true;
    default: return false;
    }
}

// Creates the decompressor on the file and reads its header; false unless
// the header gives `frame` and colours we decode.
bool ReadHeader(Decompressor& d, const MetadataFreeJpeg& jpeg, QSize frame) {
    jpeg_decompress_struct* info = &d.info;
    d.guard.AttachErrors(d.Common());
    if (!GuardedJpegCall(d.guard, [info] { jpeg_create_decompress(info); }))
        return false;
    d.guard.AttachProgress(d.Common());
    info->mem->max_memory_to_use = kMaxJpegLibraryMemory;
    d.source.parts = {QByteArrayView(jpeg.header), jpeg.scan};
    d.source.manager.init_source = InitSource;
    d.source.manager.fill_input_buffer = FillInput;
    d.source.manager.skip_input_data = SkipInput;
    d.source.manager.resync_to_restart = jpeg_resync_to_restart;
    d.source.manager.term_source = TermSource;
    info->src = &d.source.manager;
    if (!GuardedJpegCall(d.guard, [info] { jpeg_read_header(info, TRUE); }))
        return false;
    return int(info->image_width) == frame.width() && int(info->image_height) == frame.height() &&
           ChooseOutput(*info);
}

// Photoshop's CMYK (stored inverted, as nearly every CMYK JPEG is) to RGB.
void CmykToRgb32(const JSAMPLE* cmyk, QRgb* out, int width) {
    for (int x = 0; x < width; ++x, cmyk += 4) {
        const unsigned k = cmyk[3];
        out[x] = qRgb(int(cmyk[0] * k / 255), int(cmyk[1] * k / 255), int(cmyk[2] * k / 255));
    }
}

// The rows come out as RGB32 and are converted in place, or as grey or CMYK
// that are converted line by line (CMYK without a profile as Photoshop's).
void ConvertLine(const JSAMPLE* line, QRgb* out, int width, const SrgbConversion* conversion) {
    if (conversion)
        conversion->Convert(line, out, width);
    else
        CmykToRgb32(line, out, width);
}

// Reads the next picture.height() rows into `picture`; false when the
// library fails or stops early.
bool ReadRows(Decompressor& d, QImage& picture, const SrgbConversion* conversion) {
    jpeg_decompress_struct* info = &d.info;
    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    const int width = picture.width();
    const JDIMENSION end = info->output_scanline + JDIMENSION(picture.height());
    if (info->out_color_space != kRgb32) {
        std::vector<JSAMPLE> line(size_t(width) * size_t(info->out_color_components));
        JSAMPROW row = line.data();
        const bool read = GuardedJpegCall(d.guard, [&] {
            for (int y = 0; info->output_scanline < end; ++y) {
                if (jpeg_read_scanlines(info, &row, 1) != 1)
                    return;
                ConvertLine(row, reinterpret_cast<QRgb*>(bits + y * stride), width, conversion);
            }
        });
        return read && info->output_scanline == end;
    }
    const JDIMENSION first = info->output_scanline;
    const bool read = GuardedJpegCall(d.guard, [&] {
        JSAMPROW rows[kRowBatch];
        while (info->output_scanline < end) {
            const JDIMENSION at = info->output_scanline;
            const JDIMENSION count = std::min<JDIMENSION>(kRowBatch, end - at);
            for (JDIMENSION i = 0; i < count; ++i)
                rows[i] = bits + qsizetype(at - first + i) * stride;
            const JDIMENSION got = jpeg_read_scanlines(info, rows, count);
            if (got == 0)
                return;
            for (JDIMENSION i = 0; conversion && i < got; ++i)
                conversion->Convert(rows[i], reinterpret_cast<QRgb*>(rows[i]), width);
        }
    });
    return read && info->output_scanline == end;
}

// The conversion of the file's colours to sRGB; a grey picture with a
// profile then comes out as grey for it.
std::shared_ptr<const SrgbConversion> ChooseConversion(jpeg_decompress_struct& info,
                                                       const QByteArray& icc) {
    if (icc.isEmpty())
        return nullptr;
    if (info.out_color_space == JCS_CMYK)
        return ConversionToSrgb(icc, PhotoPixels::InvertedCmyk);
    if (info.jpeg_color_space != JCS_GRAYSCALE)
        return ConversionToSrgb(icc, PhotoPixels::Rgb32);
    std::shared_ptr<const SrgbConversion> grey = ConversionToSrgb(icc, PhotoPixels::Grey);
    if (grey)
        info.out_color_space = JCS_GRAYSCALE;
    return grey;
}

// Pixels [first, end) of a side of `size` pixels, widened by the margin.
struct Span {
    int first;
    int end;
};
Span Widened(int first, int end, int size) {
    return {std::max(0, first - kEdgeMargin), std::min(size, end + kEdgeMargin)};
}

// The decoded pixels `decoded` of a picture of `size` without the margin at
// the edges of a partial decode, whose pixels may differ from a whole
// decode's; the picture's own edges stay.
QRect WithoutMargin(const QRect& decoded, QSize size) {
    const auto inner = [](int first, int end, int side) {
        return Span{first == 0 ? 0 : first + kEdgeMargin, end == side ? side : end - kEdgeMargin};
    };
    const Span xs = inner(decoded.left(), decoded.right() + 1, size.width());
    const Span ys = inner(decoded.top(), decoded.bottom() + 1, size.height());
    return QRect(xs.first, ys.first, xs.end - xs.first, ys.end - ys.first);
}

} // namespace

StoredJpegPart DecodeStoredJpeg(const MetadataFreeJpeg& jpeg, QSize frame, int eighths,
                                const QRect& area, const QByteArray& icc) {
    Decompressor d;
    jpeg_decompress_struct* info = &d.info;
    if (!ReadHeader(d, jpeg, frame))
        return {};
    const std::shared_ptr<const SrgbConversion> conversion = ChooseConversion(*info, icc);
    info->scale_num = unsigned(std::clamp(eighths, 1, 8));
    info->scale_denom = 8;
    info->dct_method = JDCT_ISLOW;
    if (!GuardedJpegCall(d.guard, [info] { jpeg_start_decompress(info); }))
        return {};
    const QSize scaled(int(info->output_width), int(info->output_height));
    const QRect whole(QPoint(0, 0), scaled);
    const QRect wanted = area.isEmpty() ? whole : area & whole;
    if (wanted.isEmpty())
        return {};

    const Span columns = Widened(wanted.left(), wanted.right() + 1, scaled.width());
    JDIMENSION x = JDIMENSION(columns.first);
    JDIMENSION width = JDIMENSION(columns.end - columns.first);
    if (int(width) < scaled.width() &&
        !GuardedJpegCall(d.guard, [&] { jpeg_crop_scanline(info, &x, &width); }))
        return {};
    const Span rows = Widened(wanted.top(), wanted.bottom() + 1, scaled.height());
    const int top = rows.first;
    const int bottom = rows.end;
    if (top > 0 &&
        !GuardedJpegCall(d.guard, [info, top] { jpeg_skip_scanlines(info, JDIMENSION(top)); }))
        return {};
    if (int(info->output_scanline) != top)
        return {};

    StoredJpegPart result{QImage(int(info->output_width), bottom - top, QImage::Format_RGB32),
                          scaled, QRect(int(x), top, int(info->output_width), bottom - top)};
    if (result.picture.isNull() || !ReadRows(d, result.picture, conversion.get()))
        return {};
    // Reading to the end of the file tells a whole file from a cut-off one.
    const bool toTheEnd = bottom == scaled.height();
    if (!GuardedJpegCall(d.guard, [info, toTheEnd] {
            if (toTheEnd)
                jpeg_finish_decompress(info);
            else
                jpeg_abort_decompress(info);
        }))
        return {};
    const QRect exact = WithoutMargin(result.part, scaled);
    if (exact != result.part) {
        result.picture = SharedPart(result.picture, exact.translated(-result.part.topLeft()));
        result.part = exact;
    }
    return result;
}

bool JpegLibraryAcceptsHeader(const MetadataFreeJpeg& jpeg, QSize frame) {
    Decompressor d;
    return ReadHeader(d, jpeg, frame);
}
