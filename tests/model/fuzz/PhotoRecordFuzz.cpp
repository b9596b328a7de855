// The photo record "name,X,Y,ratio,Angle" of a filled photo box: parsed,
// written back, and applied to a photo that stands in a box.
#include "base/BaseLog.h"
#include "base/LumbraError.h"
#include "model/PhotoImageRecord.h"
#include "model/Template.h"
#include "model/fuzz/FuzzPhotos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::shared_ptr<Template> layout =
        Template::FromDefinition(QStringLiteral("Photo[10,10,120,80,0]"));
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    PhotoRecord record;
    try {
        record = ParsePhotoRecord(line);
    } catch (const LumbraError&) {
        LogCaughtException(lcBase(), "A photo record refused");
        return 0;
    }
    (void)FormatPhotoRecord(QStringLiteral("P"), record);
    const PhotoImageList photos = FuzzPhotoPool();
    for (const auto& photo : photos) {
        photo->SetPhotoBox(layout->PhotoBox(0), MinRatios{});
        photo->Deserialize(line);
        (void)photo->Serialize();
        (void)photo->ImageTooSmall();
    }
    return 0;
}
