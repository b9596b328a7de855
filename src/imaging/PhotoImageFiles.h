#pragma once

#include "base/Result.h"
#include "imaging/PhotoRefusal.h"
#include "imaging/ThumbType.h"

#include <QString>
#include <array>
#include <optional>

// The files of an imported picture in a book folder, made without touching
// any model object (safe on a worker thread).

struct ThumbBox {
    int width;
    int height;
};

// Bounding boxes of the Small, Medium and Large files, by ThumbIndex.
using ThumbBoxes = std::array<ThumbBox, 3>;
constexpr ThumbBoxes kPhotoThumbBoxes{{{120, 120}, {500, 500}, {1000, 1000}}};
constexpr ThumbBoxes kBackgroundThumbBoxes{{{145, 104}, {800, 576}, {1127, 811}}};

// The quality of the JPEG copy of a picture of another format.
inline constexpr int kOriginalCopyQuality = 95;

// Makes stem & "_sm.jpg", "_md.jpg", "_lg.jpg" (upright, in sRGB, from one
// decode at the smallest scale that covers the largest box) and stem &
// "_or.jpg" (a byte copy of a JPEG `source`; of a HEIF, PNG, TIFF or WebP
// one, its upright JPEG copy with its colour profile and EXIF block), and
// drops stale ".dim" files of those names. Returns false, writing nothing,
// when `source` is not an acceptable picture that decodes completely. Throws LumbraError when a
// file cannot be written; every file of the stem is removed first (RemovePhotoFiles).
bool MakePhotoFiles(const QString& source, const QString& stem, const ThumbBoxes& boxes);

// The file work of one import: what MakePhotoFiles needs.
struct PhotoImportJob {
    QString source;
    QString stem; // book folder & name
    ThumbBoxes boxes;
    bool keepWhole = false; // the book has a photo of this stem: keep its files if whole
};

inline bool MakePhotoFiles(const PhotoImportJob& job) {
    return MakePhotoFiles(job.source, job.stem, job.boxes);
}

// What the file work of one import came to.
struct PhotoImportResult {
    bool supported = false;         // the files were made
    bool kept = false;              // keepWhole, and the files were whole: nothing written
    std::optional<Failure> failure; // the files could not be written (no file is left then)
    PhotoRefusal refusal;           // not supported: why the source was refused
};

// MakePhotoFiles with a thrown error turned into `failure`: the job of an
// import on the thread pool. With keepWhole, files that are whole are kept.
PhotoImportResult RunPhotoImport(const PhotoImportJob& job);

// Byte copy through a temporary file that replaces `target` only when
// complete. Throws LumbraError.
void CopyFileAtomically(const QString& source, const QString& target);

// Deletes the four pictures of a stem and their ".dim" files; failures are ignored.
void RemovePhotoFiles(const QString& stem);

// True when all four pictures of the stem are there, not empty, and decode
// completely.
bool PhotoFilesWhole(const QString& stem);
