#include "imaging/PhotoRefusal.h"

#include "base/SafeRead.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/JpegDecode.h"
#include "imaging/JpegSegments.h"

#include <QFileInfo>
#include <algorithm>

namespace {

bool StartsLikeJpeg(const QByteArray& bytes) {
    return bytes.size() >= 3 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xD8 &&
           uchar(bytes[2]) == 0xFF;
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
    if (!StartsLikeJpeg(*bytes)) {
        const FREE_IMAGE_FORMAT format = FiFileType(*bytes);
        const char* name = format == FIF_UNKNOWN ? nullptr : FreeImage_GetFormatFromFIF(format);
        return {Reason::NotJpeg, name ? QString::fromLatin1(name) : QString()};
    }
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
    switch (refusal.reason) {
    case Reason::None: return {};
    case Reason::Unreadable:
        return QStringLiteral("Cannot be read (missing, a folder, or no permission)");
    case Reason::NotJpeg:
        return notSupported +
               (refusal.detail.isEmpty()
                    ? QStringLiteral(" (not a JPEG file)")
                    : QStringLiteral(" (a %1 picture, not a JPEG)").arg(refusal.detail));
    case Reason::TooLarge:
        return QStringLiteral("Too large: %1 (the limit is %2 pixels a side, %3 megapixels, %4 MB)")
            .arg(refusal.detail)
            .arg(kMaxPhotoSide)
            .arg(kMaxPhotoPixels / 1'000'000)
            .arg(kMaxPictureFileBytes >> 20);
    case Reason::TooSmall: return QStringLiteral("Too small to print: %1").arg(refusal.detail);
    case Reason::Damaged: return QStringLiteral("Damaged or cut-off JPEG");
    }
    return {};
}
