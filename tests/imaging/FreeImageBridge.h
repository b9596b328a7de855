#pragma once

#include "imaging/FiBitmap.h"
#include "imaging/PictureFile.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

// FreeImage for the tests, a second opinion beside the program's own JPEG
// code: library start-up, file access through Qt, and pixel conversion
// between FreeImage's bottom-up BGR(A) bitmaps and QImage.
//
// Pictures are read whole into memory (regular files only, at most
// kMaxPictureFileBytes) and decoded from there; a JPEG reaches the library
// without its metadata segments, whose parsers must never see outside files.

// Initialises FreeImage once per process; every function here calls it.
void EnsureFreeImage();

// File type from the content; FIF_UNKNOWN when unreadable or empty.
FREE_IMAGE_FORMAT FiFileType(const QString& path);
FREE_IMAGE_FORMAT FiFileType(const QByteArray& bytes);

// Decodes a picture held in memory with the given flags; empty when it cannot
// be decoded. A JPEG is decoded without its metadata segments.
FiBitmap FiLoadFromMemory(FREE_IMAGE_FORMAT format, const QByteArray& bytes, int flags);

// ReadPictureFile then FiLoadFromMemory; empty when it cannot be read or decoded.
FiBitmap FiLoad(FREE_IMAGE_FORMAT format, const QString& path, int flags);

// Writes the bitmap in the given format through a temporary file that
// replaces `path` only when complete. Throws LumbraError on failure.
void FiSaveAtomically(FREE_IMAGE_FORMAT format, FIBITMAP* dib, const QString& path, int flags);

// Removes every metadata model (so a saved copy carries no EXIF orientation).
void FiStripMetadata(FIBITMAP* dib);

// Bottom-up BGR(A) to a top-down QImage::Format_RGB32 (alpha dropped).
QImage FiToQImage(FIBITMAP* dib);

// FiLoad then FiToQImage; null when the file cannot be read or decoded.
QImage FiLoadImage(FREE_IMAGE_FORMAT format, const QString& path, int flags);

// Any QImage to a 24-bit FreeImage bitmap.
FiBitmap FiFromQImage(const QImage& image);

// Collects the library's messages emitted on this thread while alive
// (the library reports a truncated JPEG only through such a message).
class FiMessageCapture {
public:
    FiMessageCapture();
    ~FiMessageCapture();
    FiMessageCapture(const FiMessageCapture&) = delete;
    FiMessageCapture& operator=(const FiMessageCapture&) = delete;

    bool SawTruncatedData() const;
    void Add(const QString& message) { mMessages << message; }

private:
    FiMessageCapture* mOuter;
    QStringList mMessages;
};
