// The language file: decoding (UTF-8 or the 8-bit fallback), line splitting
// and the "key=value" lines, the font size among them.
#include "base/Constants.h"
#include "base/LumbraError.h"
#include "base/fuzz/FuzzFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = WriteFuzzFile(QStringLiteral("language.txt"), data, size);
    Constants strings;
    try {
        strings.LoadLanguageFile(path);
    } catch (const LumbraError&) {
        std::abort(); // the file was just written
    }
    for (const QString& key : Constants::KnownKeys())
        (void)strings.Text(key);
    (void)strings.DefaultTextFontSize();
    return 0;
}
