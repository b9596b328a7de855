#include "imaging/FreeImageBridge.h"

#include "base/AtomicWrite.h"
#include "base/LumbraError.h"
#include "imaging/JpegSegments.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

namespace {

thread_local FiMessageCapture* tCapture = nullptr;

void DLL_CALLCONV OnFreeImageMessage(FREE_IMAGE_FORMAT, const char* message) {
    if (tCapture && message)
        tCapture->Add(QString::fromLatin1(message));
}

// Bytes in memory, in one or two parts read one after the other, for the
// library to read through a FreeImageIO (its own memory stream hands JPEG
// data over byte by byte).
struct PartsStream {
    QByteArrayView first;
    QByteArrayView second;
    qint64 pos = 0;

    qint64 size() const { return first.size() + second.size(); }
};

unsigned DLL_CALLCONV PartsRead(void* buffer, unsigned size, unsigned count, fi_handle handle) {
    auto* stream = static_cast<PartsStream*>(handle);
    if (size == 0)
        return 0;
    const qint64 wanted =
        std::min(qint64(size) * count, stream->size() - stream->pos) / size * size;
    auto* out = static_cast<char*>(buffer);
    for (qint64 done = 0; done < wanted;) {
        const bool inFirst = stream->pos < stream->first.size();
        const QByteArrayView part = inFirst ? stream->first : stream->second;
        const qint64 at = inFirst ? stream->pos : stream->pos - stream->first.size();
        const qint64 step = std::min(wanted - done, part.size() - at);
        std::memcpy(out + done, part.data() + at, size_t(step));
        done += step;
        stream->pos += step;
    }
    return unsigned(wanted / size);
}

unsigned DLL_CALLCONV PartsWrite(void*, unsigned, unsigned, fi_handle) { return 0; }

int DLL_CALLCONV PartsSeek(fi_handle handle, long offset, int origin) {
    auto* stream = static_cast<PartsStream*>(handle);
    const qint64 base = origin == SEEK_CUR ? stream->pos : origin == SEEK_END ? stream->size() : 0;
    if (base + offset < 0 || base + offset > stream->size())
        return -1;
    stream->pos = base + offset;
    return 0;
}

long DLL_CALLCONV PartsTell(fi_handle handle) {
    return long(static_cast<PartsStream*>(handle)->pos);
}

FiBitmap LoadParts(FREE_IMAGE_FORMAT format, PartsStream stream, int flags) {
    FreeImageIO io{PartsRead, PartsWrite, PartsSeek, PartsTell};
    return FiBitmap(FreeImage_LoadFromHandle(format, &io, &stream, flags));
}

} // namespace

void EnsureFreeImage() {
    static std::once_flag once;
    std::call_once(once, [] {
        FreeImage_Initialise(FALSE);
        // Messages are collected by FiMessageCapture, never shown.
        FreeImage_SetOutputMessage(OnFreeImageMessage);
    });
}

FREE_IMAGE_FORMAT FiFileType(const QString& path) {
    const std::optional<QByteArray> bytes = ReadPictureFile(path);
    return bytes ? FiFileType(*bytes) : FIF_UNKNOWN;
}

FREE_IMAGE_FORMAT FiFileType(const QByteArray& bytes) {
    EnsureFreeImage();
    if (bytes.isEmpty())
        return FIF_UNKNOWN;
    FreeImageIO io{PartsRead, PartsWrite, PartsSeek, PartsTell};
    PartsStream stream{bytes, {}};
    return FreeImage_GetFileTypeFromHandle(&io, &stream, 0);
}

FiBitmap FiLoadFromMemory(FREE_IMAGE_FORMAT format, const QByteArray& bytes, int flags) {
    EnsureFreeImage();
    if (format != FIF_JPEG)
        return LoadParts(format, {bytes, {}}, flags);
    const std::optional<MetadataFreeJpeg> plain = SplitWithoutMetadata(bytes);
    return plain ? LoadParts(format, {plain->header, plain->scan}, flags) : FiBitmap();
}

FiBitmap FiLoad(FREE_IMAGE_FORMAT format, const QString& path, int flags) {
    const std::optional<QByteArray> bytes = ReadPictureFile(path);
    return bytes ? FiLoadFromMemory(format, *bytes, flags) : FiBitmap();
}

void FiSaveAtomically(FREE_IMAGE_FORMAT format, FIBITMAP* dib, const QString& path, int flags) {
    EnsureFreeImage();
    // Encoded in memory first, so the file gets every byte or stays as it was.
    const std::unique_ptr<FIMEMORY, decltype(&FreeImage_CloseMemory)> memory(
        FreeImage_OpenMemory(), &FreeImage_CloseMemory);
    BYTE* data = nullptr;
    DWORD size = 0;
    if (!dib || !memory || !FreeImage_SaveToMemory(format, dib, memory.get(), flags) ||
        !FreeImage_AcquireMemory(memory.get(), &data, &size) || size == 0)
        throw LumbraError(QStringLiteral("Cannot encode %1").arg(path));
    WriteFileAtomically(
        path, QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
}

void FiStripMetadata(FIBITMAP* dib) {
    for (int model = FIMD_COMMENTS; model <= FIMD_EXIF_RAW; ++model)
        FreeImage_SetMetadata(FREE_IMAGE_MDMODEL(model), dib, nullptr, nullptr);
}

QImage FiToQImage(FIBITMAP* dib) {
    if (!dib || !FreeImage_HasPixels(dib))
        return {};
    FiBitmap converted;
    const unsigned bpp = FreeImage_GetBPP(dib);
    if (FreeImage_GetImageType(dib) != FIT_BITMAP || (bpp != 24 && bpp != 32)) {
        converted.reset(FreeImage_ConvertTo24Bits(dib));
        if (!converted)
            return {};
        dib = converted.get();
    }
    const int width = int(FreeImage_GetWidth(dib));
    const int height = int(FreeImage_GetHeight(dib));
    const int step = int(FreeImage_GetBPP(dib)) / 8;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int row = 0; row < height; ++row) {
        const BYTE* src = FreeImage_GetScanLine(dib, height - 1 - row);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < width; ++col, src += step)
            dst[col] = qRgb(src[FI_RGBA_RED], src[FI_RGBA_GREEN], src[FI_RGBA_BLUE]);
    }
    return image;
}

QImage FiLoadImage(FREE_IMAGE_FORMAT format, const QString& path, int flags) {
    const FiBitmap picture = FiLoad(format, path, flags);
    return picture ? FiToQImage(picture.get()) : QImage();
}

FiBitmap FiFromQImage(const QImage& image) {
    EnsureFreeImage();
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    FiBitmap dib(FreeImage_Allocate(rgb.width(), rgb.height(), 24));
    if (!dib)
        return {};
    for (int row = 0; row < rgb.height(); ++row) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(row));
        BYTE* dst = FreeImage_GetScanLine(dib.get(), rgb.height() - 1 - row);
        for (int col = 0; col < rgb.width(); ++col, dst += 3) {
            dst[FI_RGBA_RED] = BYTE(qRed(src[col]));
            dst[FI_RGBA_GREEN] = BYTE(qGreen(src[col]));
            dst[FI_RGBA_BLUE] = BYTE(qBlue(src[col]));
        }
    }
    return dib;
}

FiMessageCapture::FiMessageCapture() : mOuter(tCapture) {
    EnsureFreeImage();
    tCapture = this;
}

FiMessageCapture::~FiMessageCapture() { tCapture = mOuter; }

bool FiMessageCapture::SawTruncatedData() const {
    // libjpeg: "Premature end of JPEG file", "... premature end of data segment"
    for (const QString& message : mMessages)
        if (message.contains(QLatin1String("premature end"), Qt::CaseInsensitive))
            return true;
    return false;
}
