#include "render/rtf/TextFontFamilies.h"

namespace {

// Latin, Greek and Cyrillic; then the Chinese, simplified forms.
const char* const kFallbacks[] = {"DejaVu Sans", "Noto Sans CJK SC"};

} // namespace

QStringList TextFontFamilies(const QString& named) {
    QStringList families;
    if (!named.isEmpty())
        families << named;
    for (const char* fallback : kFallbacks) {
        const QString family = QString::fromLatin1(fallback);
        if (!families.contains(family, Qt::CaseInsensitive))
            families << family;
    }
    return families;
}
