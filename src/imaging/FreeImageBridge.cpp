#include "imaging/FreeImageBridge.h"

#include "base/LumbraError.h"
#include "base/SafeRead.h"
#include "imaging/JpegSegments.h"

#include <QSaveFile>

#include <limits>
#include <mutex>

namespace {

thread_local FiMessageCapture* tCapture = nullptr;

void DLL_CALLCONV OnFreeImageMessage(FREE_IMAGE_FORMAT, const char* message) {
    if (tCapture && message)
        tCapture->Add(QString::fromLatin1(message));
}

// FreeImageIO over a QIODevice.
unsigned DLL_CALLCONV DeviceRead(void* buffer, unsigned size, unsigned count, fi_handle handle) {
    if (size == 0)
        return 0;
    auto* device = static_cast<QIODevice*>(handle);
    const qint64 got = device->read(static_cast<char*>(buffer), qint64(size) * count);
    return got <= 0 ? 0 : unsigned(got / size);
}

unsigned DLL_CALLCONV DeviceWrite(void* buffer, unsigned size, unsigned count, fi_handle handle) {
    if (size == 0)
        return 0;
    auto* device = static_cast<QIODevice*>(handle);
    const qint64 put = device->write(static_cast<const char*>(buffer), qint64(size) * count);
    return put <= 0 ? 0 : unsigned(put / size);
}

int DLL_CALLCONV DeviceSeek(fi_handle handle, long offset, int origin) {
    auto* device = static_cast<QIODevice*>(handle);
    qint64 base = 0;
    if (origin == SEEK_CUR)
        base = device->pos();
    else if (origin == SEEK_END)
        base = device->size();
    return device->seek(base + offset) ? 0 : -1;
}

long DLL_CALLCONV DeviceTell(fi_handle handle) {
    return long(static_cast<QIODevice*>(handle)->pos());
}

// A read-only FreeImage memory stream over bytes that outlive it.
class MemoryStream {
public:
    explicit MemoryStream(const QByteArray& bytes)
        // The library only reads from a stream it did not allocate.
        : mMemory(bytes.size() <= qsizetype(std::numeric_limits<DWORD>::max())
                      ? FreeImage_OpenMemory(
                            reinterpret_cast<BYTE*>(const_cast<char*>(bytes.constData())),
                            DWORD(bytes.size()))
                      : nullptr) {}
    ~MemoryStream() {
        if (mMemory)
            FreeImage_CloseMemory(mMemory);
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    FIMEMORY* get() const { return mMemory; }
    explicit operator bool() const { return mMemory != nullptr; }

private:
    FIMEMORY* mMemory;
};

FreeImageIO DeviceIo() {
    FreeImageIO io;
    io.read_proc = DeviceRead;
    io.write_proc = DeviceWrite;
    io.seek_proc = DeviceSeek;
    io.tell_proc = DeviceTell;
    return io;
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

std::optional<QByteArray> FiReadFile(const QString& path) {
    return ReadRegularFile(path, kMaxPictureFileBytes);
}

FREE_IMAGE_FORMAT FiFileType(const QString& path) {
    const std::optional<QByteArray> bytes = FiReadFile(path);
    return bytes ? FiFileType(*bytes) : FIF_UNKNOWN;
}

FREE_IMAGE_FORMAT FiFileType(const QByteArray& bytes) {
    EnsureFreeImage();
    if (bytes.isEmpty())
        return FIF_UNKNOWN;
    const MemoryStream stream(bytes);
    return stream ? FreeImage_GetFileTypeFromMemory(stream.get(), 0) : FIF_UNKNOWN;
}

FiBitmap FiLoadFromMemory(FREE_IMAGE_FORMAT format, const QByteArray& bytes, int flags) {
    EnsureFreeImage();
    const QByteArray plain = format == FIF_JPEG ? WithoutMetadataSegments(bytes) : bytes;
    if (plain.isEmpty())
        return {};
    const MemoryStream stream(plain);
    return stream ? FiBitmap(FreeImage_LoadFromMemory(format, stream.get(), flags)) : FiBitmap();
}

FiBitmap FiLoad(FREE_IMAGE_FORMAT format, const QString& path, int flags) {
    const std::optional<QByteArray> bytes = FiReadFile(path);
    return bytes ? FiLoadFromMemory(format, *bytes, flags) : FiBitmap();
}

void FiSaveAtomically(FREE_IMAGE_FORMAT format, FIBITMAP* dib, const QString& path, int flags) {
    EnsureFreeImage();
    QSaveFile file(path);
    if (!dib || !file.open(QIODevice::WriteOnly))
        throw LumbraError(QStringLiteral("Cannot write %1").arg(path));
    FreeImageIO io = DeviceIo();
    if (!FreeImage_SaveToHandle(format, dib, &io, &file, flags) || !file.commit())
        throw LumbraError(QStringLiteral("Cannot write %1").arg(path));
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
