#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Reading picture files that may come from anywhere: regular files only
// (never a FIFO, device or folder) and never more than a cap.

// Largest picture file read at all: well above a JPEG of the largest photo
// accepted (kMaxPhotoPixels) at the highest quality.
inline constexpr qint64 kMaxPictureFileBytes = qint64(256) << 20;

// The picture file's bytes; nothing when it is not a regular file, larger
// than kMaxPictureFileBytes or unreadable.
std::optional<QByteArray> ReadPictureFile(const QString& path);

// The file names the import offers (JPEG, HEIF, PNG, TIFF, WebP), in lower
// and upper case for the dialogs that match letter case.
QStringList PhotoFilePatterns();
