#include "imaging/PictureFile.h"

#include "base/SafeRead.h"

std::optional<QByteArray> ReadPictureFile(const QString& path) {
    return ReadRegularFile(path, kMaxPictureFileBytes);
}
