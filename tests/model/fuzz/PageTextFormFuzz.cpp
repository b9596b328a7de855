// A page's text form: its entries as PageTextForm reads them, then the page
// rebuilt from it (template boxes, photo records, Base64 texts, background)
// and written back.
#include "base/BaseLog.h"
#include "base/LumbraError.h"
#include "model/Page.h"
#include "model/PageTextForm.h"
#include "model/Templates.h"
#include "model/fuzz/FuzzPhotos.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Templates catalogue;
    const QString form = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)PageTextForm::ReadImages(form);
    (void)PageTextForm::ReadTexts(form);
    (void)PageTextForm::ReadBackground(form);

    ModelContext context;
    context.templates = &catalogue;
    const PhotoImageList photos = FuzzPhotoPool();
    auto page = std::make_shared<Page>(context);
    try {
        page->Deserialize(form, photos);
    } catch (const LumbraError&) {
        // a damaged page keeps what was read before the damage
        LogCaughtException(lcBase(), "A page refused");
    }
    (void)page->Serialize();
    (void)page->HasImageTooSmall();
    return 0;
}
