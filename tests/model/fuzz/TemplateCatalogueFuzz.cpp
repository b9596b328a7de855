// The template catalogue text ("Key - value" entries cut at "+"): page and
// cover numbers and the template definitions with their boxes.
#include "base/BaseLog.h"
#include "base/LumbraError.h"
#include "model/Templates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<Templates> catalogue;
    try {
        catalogue = std::make_unique<Templates>(
            QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), nullptr);
    } catch (const LumbraError&) {
        LogCaughtException(lcBase(), "A catalogue refused");
        return 0;
    }
    (void)catalogue->PageWidthPixel();
    (void)catalogue->PageHeightPixel();
    for (int group = 0; group <= Templates::kHighestGroup; ++group) {
        for (const auto& layout : catalogue->GroupTemplates(group)) {
            (void)layout->Serialize();
            for (int i = 0; i < layout->PhotoBoxCount(); ++i)
                (void)layout->PhotoBox(i)->IsImageTooSmall(3000, 2000, catalogue->PhotoMinRatios());
        }
    }
    return 0;
}
