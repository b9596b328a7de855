#include "imaging/PhotoImageFiles.h"

#include "base/LumbraError.h"
#include "base/SafeRead.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/PhotoImageDecode.h"
#include "imaging/ThumbScaling.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace {

QString ThumbPath(const QString& stem, ThumbType type, const char* extension) {
    return stem + QLatin1String(ThumbSuffix(type)) + QLatin1String(extension);
}

void WritePhotoFiles(const QString& source, const QString& stem, const ThumbBoxes& boxes,
                     const DecodedJpeg& decoded, QStringList& written) {
    const QSize full(decoded.header.width, decoded.header.height);
    for (ThumbType type : {ThumbType::Small, ThumbType::Medium, ThumbType::Large}) {
        const QString target = ThumbPath(stem, type, ".jpg");
        const ThumbBox& box = boxes[ThumbIndex(type)];
        written << target;
        SaveThumbnail(target, decoded.picture.get(), FitSize(full, box.width, box.height));
    }
    const QString original = ThumbPath(stem, ThumbType::Original, ".jpg");
    written << original;
    CopyFileAtomically(source, original);
}

} // namespace

void CopyFileAtomically(const QString& source, const QString& target) {
    QFile in(source);
    QSaveFile out(target);
    if (!OpenRegularFile(in, kMaxPictureFileBytes) || !out.open(QIODevice::WriteOnly))
        throw LumbraError(QStringLiteral("Cannot copy %1 to %2").arg(source, target));
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            throw LumbraError(QStringLiteral("Cannot copy %1 to %2").arg(source, target));
    }
    if (!out.commit())
        throw LumbraError(QStringLiteral("Cannot copy %1 to %2").arg(source, target));
}

bool MakePhotoFiles(const QString& source, const QString& stem, const ThumbBoxes& boxes) {
    const ThumbBox& largest = boxes.back();
    const auto cover = [&largest](const JpegHeader& header) {
        return std::min(double(largest.width) / header.width,
                        double(largest.height) / header.height);
    };
    const DecodedJpeg decoded = LoadJpegCovering(source, cover, JPEG_ACCURATE);
    if (!decoded.picture)
        return false;
    for (ThumbType type : kThumbTypes)
        QFile::remove(ThumbPath(stem, type, ".dim"));
    QStringList written;
    try {
        WritePhotoFiles(source, stem, boxes, decoded, written);
    } catch (const LumbraError&) {
        for (const QString& path : written)
            QFile::remove(path);
        throw;
    }
    return true;
}

PhotoImportResult RunPhotoImport(const PhotoImportJob& job) {
    PhotoImportResult result;
    try {
        result.supported = MakePhotoFiles(job);
    } catch (const LumbraError& e) {
        result.error = e.Message();
    } catch (const std::exception& e) {
        result.error = QString::fromLocal8Bit(e.what());
    }
    return result;
}
