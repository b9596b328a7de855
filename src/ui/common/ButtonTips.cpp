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
    {"small", QT_TRANSLATE_NOOP("ButtonTips", "Zoom out: show more of the photo")},
    {"big", QT_TRANSLATE_NOOP("ButtonTips", "Zoom in: show less of the photo, larger")},
    {"zoom",
     QT_TRANSLATE_NOOP("ButtonTips", "Zoom; drag the photo to choose the part the box shows")},
    {"rotateLeft", QT_TRANSLATE_NOOP("ButtonTips", "Turn the photo a quarter to the left")},
    {"rotateRight", QT_TRANSLATE_NOOP("ButtonTips", "Turn the photo a quarter to the right")},
    {"ok", QT_TRANSLATE_NOOP("ButtonTips", "Done: close the photo editor")},
};

constexpr KeyTip TextEditorTips[] = {
    {"font", QT_TRANSLATE_NOOP("ButtonTips", "Font of the selected text")},
    {"size", QT_TRANSLATE_NOOP("ButtonTips", "Size of the selected text, in points")},
    {"bold", QT_TRANSLATE_NOOP("ButtonTips", "Bold")},
    {"italic", QT_TRANSLATE_NOOP("ButtonTips", "Italic")},
    {"underline", QT_TRANSLATE_NOOP("ButtonTips", "Underline")},
    {"alignLeft", QT_TRANSLATE_NOOP("ButtonTips", "Align the paragraph left")},
    {"alignCenter", QT_TRANSLATE_NOOP("ButtonTips", "Centre the paragraph")},
    {"alignRight", QT_TRANSLATE_NOOP("ButtonTips", "Align the paragraph right")},
    {"color", QT_TRANSLATE_NOOP("ButtonTips", "Colour of the selected text")},
};

} // namespace

QString PhotoEditorTip(const QString& key) { return Lookup(PhotoEditorTips, key); }

QString TextEditorTip(const QString& key) { return Lookup(TextEditorTips, key); }
