#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <optional>

// When a photo was taken: the EXIF DateTimeOriginal of a JPEG file, read by
// the same bounds-checked parser as the orientation, as the camera's clock
// showed it (no time zone: returned as UTC).

// How much of a JPEG file's start holds its EXIF block: SOI, APP0 and a whole APP1.
constexpr qint64 kExifHeadBytes = 70 * 1024;

// From the start of a JPEG file (the EXIF block lies in its first 64 KB);
// none when there is no EXIF block, no DateTimeOriginal or it is malformed.
std::optional<QDateTime> ExifTakenTime(const QByteArray& jpegHead);

// DateTimeOriginal of the EXIF sub-IFD of a TIFF structure.
std::optional<QDateTime> TiffTakenTime(QByteArrayView tiff);

// A file's modification time in local clock time, returned as UTC like the
// camera's times, so that both compare.
QDateTime FileClockTime(const QDateTime& modified);

// The file's EXIF time, else its modification time in local clock time
// (also returned as UTC, so that both compare; for a photo's full-size file
// that is when it joined the book); none when the file cannot be read.
std::optional<QDateTime> PhotoFileTakenTime(const QString& path);
