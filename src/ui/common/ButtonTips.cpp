#include "ui/common/ButtonTips.h"

#include <QCoreApplication>

namespace {

struct KeyTip {
    const char* key;
    const char* tip;
};

template <size_t N> QString Lookup(const KeyTip (&table)[N], const QString& key) {
    for (const auto& [k, tip] : table)
        if (key == QLatin1String(k))
            return QCoreApplication::translate("ButtonTips", tip);
    return {};
}

constexpr KeyTip PhotoEditorTips[] = {
    {"small", "Zoom out: show more of the photo"},
    {"big", "Zoom in: show less of the photo, larger"},
    {"zoom", "Zoom; drag the photo to choose the part the box shows"},
    {"rotateLeft", "Turn the photo a quarter to the left"},
    {"rotateRight", "Turn the photo a quarter to the right"},
    {"ok", "Done: close the photo editor"},
};

constexpr KeyTip TextEditorTips[] = {
    {"font", "Font of the selected text"},
    {"size", "Size of the selected text, in points"},
    {"bold", "Bold"},
    {"italic", "Italic"},
    {"underline", "Underline"},
    {"alignLeft", "Align the paragraph left"},
    {"alignCenter", "Centre the paragraph"},
    {"alignRight", "Align the paragraph right"},
    {"color", "Colour of the selected text"},
};

} // namespace

QString PhotoEditorTip(const QString& key) { return Lookup(PhotoEditorTips, key); }

QString TextEditorTip(const QString& key) { return Lookup(TextEditorTips, key); }
