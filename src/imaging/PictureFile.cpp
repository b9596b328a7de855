#include "imaging/PictureFile.h"

#include "base/SafeRead.h"

std::optional<QByteArray> ReadPictureFile(const QString& path) {
    return ReadRegularFile(path, kMaxPictureFileBytes);
}

QStringList PhotoFilePatterns() {
    QStringList patterns;
    for (const char* suffix : {"jpg", "jpeg", "heic", "heif", "png", "tif", "tiff", "webp"})
        patterns << QStringLiteral("*.") + QLatin1String(suffix)
                 << QStringLiteral("*.") + QLatin1String(suffix).toString().toUpper();
    return patterns;
}
