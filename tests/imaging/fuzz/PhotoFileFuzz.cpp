// A photo file as the import meets it, through the path-based entry points:
// the JPEG header with its EXIF orientation, a decode at a reduced scale, a
// decode of a region (columns cropped, rows skipped) and the thumbnail files
// of an import (small boxes, to keep each run short).
#include "base/LumbraError.h"
#include "base/fuzz/FuzzFiles.h"
#include "imaging/JpegDecode.h"
#include "imaging/PhotoImageFiles.h"

#include <algorithm>

namespace {

constexpr ThumbBoxes kFuzzBoxes{{{8, 8}, {16, 16}, {32, 32}}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = WriteFuzzFile(QStringLiteral("photo.jpg"), data, size);
    const std::optional<JpegHeader> header = ReadJpegHeader(path);
    if (!header)
        return 0;
    if (header->width < 1 || header->height < 1 || header->orientation < 1 ||
        header->orientation > 8)
        std::abort();
    (void)IsTurnedOrientation(header->orientation);
    if (!IsAcceptablePhotoSize(header->width, header->height))
        return 0;
    const double factor = 32.0 / std::max(header->width, header->height);
    const QRect middle(header->width / 3, header->height / 3, header->width / 4 + 1,
                       header->height / 4 + 1);
    for (const QRect& region : {QRect(), middle}) {
        const DecodedPhoto decoded = DecodeJpeg(path, [&](const JpegHeader&) {
            return JpegDecodeRequest{factor, region};
        });
        if (!decoded.picture.isNull() &&
            (decoded.picture.format() != QImage::Format_RGB32 ||
             decoded.picture.size() != decoded.scaledPart.size() ||
             !QRect(QPoint(0, 0), decoded.scaledSize).contains(decoded.scaledPart)))
            std::abort();
    }
    try {
        (void)MakePhotoFiles(path, FuzzFolder().filePath(QStringLiteral("import")), kFuzzBoxes);
    } catch (const LumbraError&) {
        std::abort(); // the folder is writable
    }
    return 0;
}
