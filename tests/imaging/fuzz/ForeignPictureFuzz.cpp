// A picture of another format than JPEG (HEIF, PNG, TIFF, WebP) as the
// import meets it: decoded whole, its JPEG copy and thumbnails made (small
// boxes, to keep each run short), or the reason it is refused.
#include "base/LumbraError.h"
#include "base/fuzz/FuzzFiles.h"
#include "imaging/PhotoImageFiles.h"
#include "imaging/PhotoRefusal.h"

#include <cstdlib>

namespace {

constexpr ThumbBoxes kFuzzBoxes{{{8, 8}, {16, 16}, {32, 32}}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = WriteFuzzFile(QStringLiteral("picture"), data, size);
    bool made = false;
    try {
        made = MakePhotoFiles(path, FuzzFolder().filePath(QStringLiteral("import")), kFuzzBoxes);
    } catch (const LumbraError&) {
        std::abort(); // the folder is writable
    }
    if (!made && WhyPhotoRefused(path).reason == PhotoRefusal::Reason::None)
        std::abort();
    return 0;
}
