#include "imaging/PhotoRefusal.h"

#include "base/SafeRead.h"
#include "imaging/ForeignPicture.h"
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

// The name of a picture format we do not take, from the file's first bytes
// (no library reads it); empty when none is recognised.
QString OtherFormat(const QByteArray& bytes) {
    struct Signature {
        qsizetype at;
        QByteArrayView magic;
        const char* name;
    };
    static constexpr Signature kSignatures[]{
        {0, "GIF87a", "GIF"},
        {0, "GIF89a", "GIF"},
        {0, "BM", "BMP"},
        {0, "8BPS", "PSD"},
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

// The picture's size refused, else damaged (it was refused for something).
PhotoRefusal SizeOrDamage(std::optional<QSize> size) {
    using Reason = PhotoRefusal::Reason;
    if (!size)
        return {Reason::Damaged, {}};
    if (!IsAcceptablePhotoSize(size->width(), size->height())) {
        const bool small = std::min(size->width(), size->height()) < kMinPhotoSide;
        return {small ? Reason::TooSmall : Reason::TooLarge, SizeText(*size)};
    }
    return {Reason::Damaged, {}};
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
    if (ForeignFormatOf(*bytes) != ForeignFormat::None)
        return SizeOrDamage(ForeignPictureSize(*bytes));
    if (!StartsLikeJpeg(*bytes))
        return {Reason::Unsupported, OtherFormat(*bytes)};
    return SizeOrDamage(JpegFrameSize(*bytes));
}

QString PhotoRefusalText(const PhotoRefusal& refusal, const QString& notSupported) {
    using Reason = PhotoRefusal::Reason;
    using QCA = QCoreApplication;
    switch (refusal.reason) {
    case Reason::None: return {};
    case Reason::Unreadable:
        return QCA::translate("PhotoRefusal",
                              "Cannot be read (missing, a folder, or no permission)");
    case Reason::Unsupported:
        return notSupported +
               (refusal.detail.isEmpty()
                    ? QCA::translate("PhotoRefusal",
                                     " (JPEG, HEIC, PNG, TIFF and WebP pictures are taken)")
                    : QCA::translate("PhotoRefusal",
                                     " (a %1 picture; JPEG, HEIC, PNG, TIFF and WebP are taken)")
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
    case Reason::Damaged: return QCA::translate("PhotoRefusal", "Damaged or cut-off picture");
    }
    return {};
}
