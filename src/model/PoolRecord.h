#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <optional>

// The pool's record of a photo: what the book knows of its full-size picture
// without opening it. Made once, off the UI thread: when the photo joins the
// book, or for a photo of a book from before records when that book is first
// opened. Stored beside the photo's files as stem & "_or.rec", one line
// "width,height,orientation,taken" and CRLF (taken empty when unknown).
struct PoolRecord {
    QSize size;                  // of the upright picture
    int orientation = 1;         // the EXIF orientation of the file (1..8)
    std::optional<qint64> taken; // seconds: the camera's time, else when it joined the book,
                                 // both on the clock of PhotoFileTakenTime
    bool operator==(const PoolRecord&) const = default;
};

// What a photo's time is when its file carries no camera time.
enum class NoCameraTime {
    FileTime, // the full-size file's modification time
    Unknown,  // left empty, for the caller to fill in
};

QString PoolRecordPath(const QString& stem);
// None when the file is missing or malformed.
std::optional<PoolRecord> ReadPoolRecord(const QString& stem);
// Through a temporary file and a rename. Throws LumbraError.
void WritePoolRecord(const QString& stem, const PoolRecord& record);
// Reads the photo's full-size file (stem & "_or.jpg"): never on the UI
// thread. None when its size cannot be read.
std::optional<PoolRecord> MeasurePhoto(const QString& stem, NoCameraTime noCameraTime);
// MeasurePhoto (with the file time) and WritePoolRecord; a record that
// cannot be written is logged, and made again at the next opening.
std::optional<PoolRecord> RecordPhoto(const QString& stem);
// `when` on the clock of PhotoFileTakenTime, in seconds.
qint64 TakenSeconds(const QDateTime& when);
