// Texts of Qt's file dialog that Qt 6.4's own translations (qtbase_zh_*.qm)
// lack. The program's translation files carry them: lupdate finds them here,
// and the program's translator is asked before Qt's.
#include <QtGlobal>

namespace {

struct QtText {
    const char* source;
    const char* comment;
};

[[maybe_unused]] constexpr QtText kFileTypeTexts[] = {
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Folder", "All other platforms"),
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Drive", ""),
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Unknown", ""),
};

} // namespace
