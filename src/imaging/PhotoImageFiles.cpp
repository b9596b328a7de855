#include "imaging/PhotoImageFiles.h"

#include "base/AtomicWrite.h"
#include "base/LumbraError.h"
#include "base/Result.h"
#include "base/SafeRead.h"
#include "imaging/ColourConversion.h"
#include "imaging/ForeignPicture.h"
#include "imaging/ImagingLog.h"
#include "imaging/JpegDecode.h"
#include "imaging/JpegEncode.h"
#include "imaging/PictureFile.h"
#include "imaging/Resample.h"
#include "imaging/ThumbScaling.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <future>

namespace {

QString ThumbPath(const QString& stem, ThumbType type, const char* extension) {
    return stem + QLatin1String(ThumbSuffix(type)) + QLatin1String(extension);
}

// The full-size copy of the imported picture (the bytes that are decoded,
// not a second read, or the JPEG made of a picture of another format): made
// and written on another thread while the thumbnails are made. Dropped
// before Commit, it leaves no file.
class OriginalCopy {
public:
    OriginalCopy(const QString& path, std::function<QByteArray()> bytes)
        : mWriter(path), mWritten(std::async(std::launch::async, [this, make = std::move(bytes)] {
              mWriter.Write(make());
              mWriter.Sync();
          })) {}

    // Puts the copy in place. Throws LumbraError.
    void Commit() {
        mWritten.get();
        mWriter.Commit();
    }

private:
    AtomicFileWriter mWriter;
    std::future<void> mWritten; // waits for the writing thread when dropped
};

void WriteThumbnails(const QString& stem, const ThumbBoxes& boxes, const DecodedPhoto& decoded) {
    const QSize full(decoded.header.width, decoded.header.height);
    // Each from the next larger one: the same pixels for less work.
    QImage larger = decoded.picture;
    for (ThumbType type : {ThumbType::Large, ThumbType::Medium, ThumbType::Small}) {
        const ThumbBox& box = boxes[ThumbIndex(type)];
        larger = SaveThumbnail(ThumbPath(stem, type, ".jpg"), larger,
                               FitSize(full, box.width, box.height));
    }
}

// Decodes completely (at the smallest scale; the whole file is still read).
bool DecodesWhole(const QString& path) {
    constexpr double kSmallest = 1.0 / 8;
    return QFileInfo(path).size() > 0 && !DecodeJpeg(path, [](const JpegHeader&) {
                                              return JpegDecodeRequest{kSmallest, {}};
                                          }).picture.isNull();
}

} // namespace

void CopyFileAtomically(const QString& source, const QString& target) {
    QFile in(source);
    if (!OpenRegularFile(in, kMaxPictureFileBytes))
        throw LumbraError(QStringLiteral("Cannot read %1").arg(source));
    AtomicFileWriter out(target);
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty())
            throw LumbraError(QStringLiteral("Cannot read %1: %2").arg(source, in.errorString()));
        out.Write(chunk);
    }
    out.Commit();
}

void RemovePhotoFiles(const QString& stem) {
    for (ThumbType type : kThumbTypes) {
        QFile::remove(ThumbPath(stem, type, ".dim"));
        QFile::remove(ThumbPath(stem, type, ".jpg"));
    }
}

bool PhotoFilesWhole(const QString& stem) {
    for (ThumbType type : kThumbTypes)
        if (!DecodesWhole(ThumbPath(stem, type, ".jpg")))
            return false;
    return true;
}

namespace {

// The thumbnails, then the original: a photo's files are whole or absent.
void WriteFiles(const QString& stem, const ThumbBoxes& boxes, const DecodedPhoto& decoded,
                OriginalCopy& original) {
    for (ThumbType type : kThumbTypes)
        QFile::remove(ThumbPath(stem, type, ".dim"));
    try {
        WriteThumbnails(stem, boxes, decoded);
        original.Commit(); // last: its presence says the photo's files are complete
    } catch (const LumbraError&) {
        RemovePhotoFiles(stem);
        throw;
    }
}

// A picture of another format: its JPEG copy keeps its colours, profile and
// EXIF block; the thumbnails are made from the decoded pixels, reduced first
// and then converted to sRGB.
bool MakeFromForeign(const QByteArray& file, const QString& stem, const ThumbBoxes& boxes) {
    std::optional<ForeignPicture> foreign = DecodeForeignPicture(file);
    if (!foreign)
        return false;
    const ForeignPicture& picture = *foreign;
    OriginalCopy original(ThumbPath(stem, ThumbType::Original, ".jpg"), [&picture] {
        return EncodeJpeg(picture.picture, kOriginalCopyQuality, {picture.icc, picture.exif});
    });
    DecodedPhoto decoded;
    decoded.header = {picture.picture.width(), picture.picture.height(), 1};
    const ThumbBox& largest = boxes.back();
    const QSize large = FitSize(picture.picture.size(), largest.width, largest.height);
    decoded.picture = large.width() < picture.picture.width() ? Resample(picture.picture, large)
                                                              : picture.picture.copy();
    if (decoded.picture.isNull())
        return false;
    if (const auto conversion = ConversionToSrgb(picture.icc, PhotoPixels::Rgb32))
        conversion->ConvertPicture(decoded.picture);
    WriteFiles(stem, boxes, decoded, original);
    return true;
}

} // namespace

bool MakePhotoFiles(const QString& source, const QString& stem, const ThumbBoxes& boxes) {
    const ThumbBox& largest = boxes.back();
    const auto cover = [&largest](const JpegHeader& header) {
        return JpegDecodeRequest{
            std::min(double(largest.width) / header.width, double(largest.height) / header.height),
            {}};
    };
    const std::optional<QByteArray> file = ReadPictureFile(source);
    if (!file)
        return false;
    if (ForeignFormatOf(*file) != ForeignFormat::None)
        return MakeFromForeign(*file, stem, boxes);
    const std::optional<JpegHeader> header = ReadJpegHeader(*file);
    if (!header || !IsAcceptablePhotoSize(header->width, header->height))
        return false;
    OriginalCopy original(ThumbPath(stem, ThumbType::Original, ".jpg"),
                          [bytes = *file] { return bytes; });
    const DecodedPhoto decoded = DecodeJpeg(*file, cover);
    if (decoded.picture.isNull())
        return false;
    if (decoded.profileProblem)
        qCWarning(lcImaging).noquote()
            << "The colour profile of" << source << "is damaged (" << decoded.profileProblem
            << "), its colours are taken as sRGB";
    WriteFiles(stem, boxes, decoded, original);
    return true;
}

PhotoImportResult RunPhotoImport(const PhotoImportJob& job) {
    PhotoImportResult result;
    try {
        if (job.keepWhole && PhotoFilesWhole(job.stem)) {
            result.kept = true;
            return result;
        }
        result.supported = MakePhotoFiles(job);
        if (!result.supported)
            result.refusal = WhyPhotoRefused(job.source);
    } catch (const std::exception&) {
        result.failure = CaughtFailure(QCoreApplication::translate(
            "PhotoImageFiles", "The photo's files could not be made in the book's folder"));
    }
    return result;
}
