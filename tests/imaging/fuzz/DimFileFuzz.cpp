// The ".dim" side file of a picture ("width,height" CRLF). Without a ".jpg"
// beside it, a bad size file ends in LumbraError, never in a size below 1.
#include "base/BaseLog.h"
#include "base/LumbraError.h"
#include "base/fuzz/FuzzFiles.h"
#include "imaging/Thumb.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString stem = FuzzFolder().filePath(QStringLiteral("photo_or"));
    WriteFuzzBytes(stem + QLatin1String(".dim"), data, size);
    const Thumb thumb(stem);
    try {
        if (thumb.width() < 1 || thumb.height() < 1)
            std::abort();
    } catch (const LumbraError&) {
        LogCaughtException(lcBase(), "A size file refused");
    }
    return 0;
}
