#include "imaging/ExifTakenTime.h"

#include "base/SafeRead.h"
#include "imaging/JpegSegments.h"
#include "imaging/PictureFile.h"
#include "imaging/TiffReader.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr uint16_t kExifIfdTag = 0x8769;
constexpr uint16_t kDateTimeOriginalTag = 0x9003;
constexpr qsizetype kStampLength = 19; // "YYYY:MM:DD HH:MM:SS"

} // namespace

std::optional<QDateTime> TiffTakenTime(QByteArrayView tiff) {
    const std::optional<TiffReader> reader = TiffReader::Open(tiff);
    const std::optional<qsizetype> ifd0 = reader ? reader->FirstIfd() : std::nullopt;
    const auto exif = ifd0 ? reader->SubIfd(*ifd0, kExifIfdTag) : std::nullopt;
    const auto entry = exif ? reader->Find(*exif, kDateTimeOriginalTag) : std::nullopt;
    if (!entry || entry->type != TiffReader::kAsciiType || entry->count < kStampLength)
        return std::nullopt;
    const QString stamp = QString::fromLatin1(reader->Bytes(entry->valueAt, kStampLength));
    QDateTime time = QDateTime::fromString(stamp, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
    if (!time.isValid())
        return std::nullopt;
    time.setTimeSpec(Qt::UTC);
    return time;
}

std::optional<QDateTime> ExifTakenTime(const QByteArray& jpegHead) {
    const QByteArrayView tiff = ExifTiffBlock(JpegLeadingSegments(jpegHead));
    return tiff.isEmpty() ? std::nullopt : TiffTakenTime(tiff);
}

std::optional<QDateTime> PhotoFileTakenTime(const QString& path) {
    QFile file(path);
    if (!OpenRegularFile(file, kMaxPictureFileBytes))
        return std::nullopt;
    if (const auto taken = ExifTakenTime(file.read(kExifHeadBytes)))
        return taken;
    const QDateTime local = FileClockTime(QFileInfo(path).lastModified());
    return local.isValid() ? std::optional(local) : std::nullopt;
}

QDateTime FileClockTime(const QDateTime& modified) {
    const QDateTime local = modified.toLocalTime();
    return local.isValid() ? QDateTime(local.date(), local.time(), Qt::UTC) : QDateTime();
}
