#include "imaging/PhotoRefusal.h"

#include "base/SafeRead.h"
#include "imaging/JpegDecode.h"
#include "imaging/JpegSegments.h"
#include "imaging/PictureFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace {

bool StartsLikeJpeg(const QByteArray& bytes) {
    return bytes.size() >= 3 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xD8 &&
           uchar(bytes[2]) == 0xFF;
}

// The name of another picture format from the file's first bytes (no
// library reads it); empty when none is recognised.
QString OtherFormat(const QByteArray& bytes) {
    struct Signature {
        qsizetype at;
        QByteArrayView magic;
        const char* name;
    };
    static constexpr Signature kSignatures[]{
        {0, QByteArrayView("\x89PNG\r\n\x1A\n", 8), "PNG"},
        {0, "GIF87a", "GIF"},
        {0, "GIF89a", "GIF"},
        {0, "BM", "BMP"},
        {0, QByteArrayView("II*\0", 4), "TIFF"},
        {0, QByteArrayView("MM\0*", 4), "TIFF"},
        {8, "WEBP", "WEBP"},
        {0, "8BPS", "PSD"},
        {4, "ftypheic", "HEIF"},
        {4, "ftypmif1", "HEIF"},
        {4, "ftypavif", "AVIF"},
        {0, QByteArrayView("\0\0\0\x0CjP  ", 8), "JP2"},
        {0, QByteArrayView("\0\0\x01\0", 4), "ICO"},
    };
    const QByteArrayView view(bytes);
    for (const Signature& signature : kSignatures)
        if (view.size() >= signature.at + signature.magic.size() &&
            view.sliced(signature.at, signature.magic.size()) == signature.magic)
            return QString::fromLatin1(signature.name);
    return {};
}

QString SizeText(QSize size) {
    return QStringLiteral("%1 x %2 pixels").arg(size.width()).arg(size.height());
}

} // namespace

PhotoRefusal WhyPhotoRefused(const QString& path) {
    using Reason = PhotoRefusal::Reason;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return {Reason::Unreadable, {}};
    if (info.size() > kMaxPictureFileBytes)
        return {Reason::TooLarge, QStringLiteral("%1 MB").arg(info.size() >> 20)};
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxPictureFileBytes);
    if (!bytes)
        return {Reason::Unreadable, {}};
    if (!StartsLikeJpeg(*bytes))
        return {Reason::NotJpeg, OtherFormat(*bytes)};
    const std::optional<QSize> frame = JpegFrameSize(*bytes);
    if (!frame)
        return {Reason::Damaged, {}};
    if (!IsAcceptablePhotoSize(frame->width(), frame->height())) {
        const bool small = std::min(frame->width(), frame->height()) < kMinPhotoSide;
        return {small ? Reason::TooSmall : Reason::TooLarge, SizeText(*frame)};
    }
    return {Reason::Damaged, {}};
}

QString PhotoRefusalText(const PhotoRefusal& refusal, const QString& notSupported) {
    using Reason = PhotoRefusal::Reason;
    using QCA = QCoreApplication;
    switch (refusal.reason) {
    case Reason::None: return {};
    case Reason::Unreadable:
        return QCA::translate("PhotoRefusal",
                              "Cannot be read (missing, a folder, or no permission)");
    case Reason::NotJpeg:
        return notSupported + (refusal.detail.isEmpty()
                                   ? QCA::translate("PhotoRefusal", " (not a JPEG file)")
                                   : QCA::translate("PhotoRefusal", " (a %1 picture, not a JPEG)")
                                         .arg(refusal.detail));
    case Reason::TooLarge:
        return QCA::translate("PhotoRefusal",
                              "Too large: %1 (the limit is %2 pixels a side, %3 megapixels, %4 MB)")
            .arg(refusal.detail)
            .arg(kMaxPhotoSide)
            .arg(kMaxPhotoPixels / 1'000'000)
            .arg(kMaxPictureFileBytes >> 20);
    case Reason::TooSmall:
        return QCA::translate("PhotoRefusal", "Too small to print: %1").arg(refusal.detail);
    case Reason::Damaged: return QCA::translate("PhotoRefusal", "Damaged or cut-off JPEG");
    }
    return {};
}
