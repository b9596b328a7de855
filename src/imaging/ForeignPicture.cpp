#include "imaging/ForeignPicture.h"

#include "imaging/ColourConversion.h"
#include "imaging/ExifOrientation.h"
#include "imaging/ImagingLog.h"
#include "imaging/JpegDecode.h"

#include <libheif/heif.h>

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include <memory>
#include <mutex>

namespace {

// Qt's readers refuse pictures above a memory budget of their own; ours is
// the photo size limit (16-bit RGBA at kMaxPhotoPixels).
constexpr int kQtReaderBudgetMb = int(kMaxPhotoPixels * 8 >> 20) + 64;
// An EXIF block larger than this is not a camera's.
constexpr size_t kMaxHeifExif = 1 << 20;

bool HasBrand(QByteArrayView file, std::initializer_list<const char*> brands) {
    if (file.size() < 12 || file.sliced(4, 4) != "ftyp")
        return false;
    for (const char* brand : brands)
        if (file.sliced(8, 4) == brand)
            return true;
    return false;
}

// The picture over white, as RGB32 (a copy: the source may be a view).
QImage OnWhite(const QImage& image) {
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage white(image.size(), QImage::Format_RGB32);
    if (white.isNull())
        return {};
    white.fill(Qt::white);
    QPainter painter(&white);
    painter.drawImage(0, 0, image);
    return white;
}

struct HeifFile {
    heif_context* context = heif_context_alloc();
    heif_image_handle* primary = nullptr;

    HeifFile() = default;
    HeifFile(const HeifFile&) = delete;
    HeifFile& operator=(const HeifFile&) = delete;
    ~HeifFile() {
        if (primary)
            heif_image_handle_release(primary);
        heif_context_free(context);
    }

    // Reads the boxes (no pixels); false for a file libheif cannot read.
    bool Open(const QByteArray& file) {
        return context &&
               heif_context_read_from_memory_without_copy(context, file.constData(),
                                                          size_t(file.size()), nullptr)
                       .code == heif_error_Ok &&
               heif_context_get_primary_image_handle(context, &primary).code == heif_error_Ok;
    }

    QSize Size() const {
        return {heif_image_handle_get_width(primary), heif_image_handle_get_height(primary)};
    }
};

QByteArray HeifProfile(heif_image_handle* primary) {
    switch (heif_image_handle_get_color_profile_type(primary)) {
    case heif_color_profile_type_prof:
    case heif_color_profile_type_rICC: {
        QByteArray icc(qsizetype(heif_image_handle_get_raw_color_profile_size(primary)), '\0');
        if (icc.isEmpty() ||
            heif_image_handle_get_raw_color_profile(primary, icc.data()).code != heif_error_Ok)
            return {};
        return icc;
    }
    case heif_color_profile_type_nclx: {
        heif_color_profile_nclx* nclx = nullptr;
        if (heif_image_handle_get_nclx_color_profile(primary, &nclx).code != heif_error_Ok)
            return {};
        const QByteArray icc =
            ProfileFromCodedColours(nclx->color_primaries, nclx->transfer_characteristics);
        heif_nclx_color_profile_free(nclx);
        return icc;
    }
    default: return {};
    }
}

// The EXIF block: a four-byte offset, then the TIFF structure after it.
QByteArray HeifExif(heif_image_handle* primary) {
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(primary, "Exif", &id, 1) < 1)
        return {};
    const size_t size = heif_image_handle_get_metadata_size(primary, id);
    if (size < 4 || size > kMaxHeifExif)
        return {};
    QByteArray block(qsizetype(size), '\0');
    if (heif_image_handle_get_metadata(primary, id, block.data()).code != heif_error_Ok)
        return {};
    const quint32 offset = qFromBigEndian<quint32>(block.constData());
    if (offset > size - 4)
        return {};
    return WithUprightOrientation(QByteArrayView(block).sliced(4 + qsizetype(offset)));
}

struct HeifImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};

std::optional<ForeignPicture> DecodeHeif(const QByteArray& file) {
    HeifFile heif;
    if (!heif.Open(file) || !IsAcceptablePhotoSize(heif.Size().width(), heif.Size().height()))
        return std::nullopt;
    const bool alpha = heif_image_handle_has_alpha_channel(heif.primary);
    heif_image* decoded = nullptr;
    // libheif turns and mirrors the picture as the file says (irot, imir).
    const heif_error error = heif_decode_image(
        heif.primary, &decoded, heif_colorspace_RGB,
        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr);
    const std::unique_ptr<heif_image, HeifImageRelease> image(decoded);
    if (error.code != heif_error_Ok || !image) {
        qCInfo(lcImaging) << "A HEIF picture does not decode:" << error.message;
        return std::nullopt;
    }
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (!plane || width <= 0 || height <= 0)
        return std::nullopt;
    const QImage view(plane, width, height, stride,
                      alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    ForeignPicture picture{OnWhite(view), HeifProfile(heif.primary), HeifExif(heif.primary)};
    if (picture.picture.isNull())
        return std::nullopt;
    return picture;
}

const char* QtFormatName(ForeignFormat format) {
    switch (format) {
    case ForeignFormat::Png: return "png";
    case ForeignFormat::Tiff: return "tiff";
    case ForeignFormat::Webp: return "webp";
    default: return "";
    }
}

// A Qt reader of the file's bytes (shared, not copied) in a given format.
struct QtReader {
    QBuffer buffer;
    QImageReader reader;

    QtReader(const QByteArray& file, ForeignFormat format) {
        buffer.setData(file);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
        reader.setFormat(QtFormatName(format));
    }
};

std::optional<ForeignPicture> DecodeWithQt(const QByteArray& file, ForeignFormat format) {
    static std::once_flag budget;
    std::call_once(budget, [] {
        if (QImageReader::allocationLimit() < kQtReaderBudgetMb)
            QImageReader::setAllocationLimit(kQtReaderBudgetMb);
    });
    QtReader qt(file, format);
    QImageReader& reader = qt.reader;
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || !IsAcceptablePhotoSize(size.width(), size.height()))
        return std::nullopt;
    QImage image;
    if (!reader.read(&image)) {
        qCInfo(lcImaging) << "A" << QtFormatName(format)
                          << "picture does not decode:" << reader.errorString();
        return std::nullopt;
    }
    const QColorSpace space = image.colorSpace();
    ForeignPicture picture{OnWhite(image), space.isValid() ? space.iccProfile() : QByteArray(), {}};
    if (picture.picture.isNull())
        return std::nullopt;
    return picture;
}

} // namespace

ForeignFormat ForeignFormatOf(const QByteArray& file) {
    const QByteArrayView bytes(file);
    if (HasBrand(bytes, {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"}))
        return ForeignFormat::Heif;
    if (bytes.startsWith(QByteArrayView("\x89PNG\r\n\x1A\n", 8)))
        return ForeignFormat::Png;
    if (bytes.startsWith(QByteArrayView("II*\0", 4)) ||
        bytes.startsWith(QByteArrayView("MM\0*", 4)))
        return ForeignFormat::Tiff;
    if (bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.sliced(8, 4) == "WEBP")
        return ForeignFormat::Webp;
    return ForeignFormat::None;
}

std::optional<ForeignPicture> DecodeForeignPicture(const QByteArray& file) {
    try {
        const ForeignFormat format = ForeignFormatOf(file);
        if (format == ForeignFormat::None)
            return std::nullopt;
        return format == ForeignFormat::Heif ? DecodeHeif(file) : DecodeWithQt(file, format);
    } catch (const std::bad_alloc&) {
        LogCaughtException(lcImaging(), "Decoding a picture; the file counts as damaged");
        return std::nullopt;
    }
}

std::optional<QSize> ForeignPictureSize(const QByteArray& file) {
    const ForeignFormat format = ForeignFormatOf(file);
    if (format == ForeignFormat::Heif) {
        HeifFile heif;
        return heif.Open(file) ? std::optional<QSize>(heif.Size()) : std::nullopt;
    }
    if (format == ForeignFormat::None)
        return std::nullopt;
    const QSize size = QtReader(file, format).reader.size();
    return size.isValid() ? std::optional<QSize>(size) : std::nullopt;
}
