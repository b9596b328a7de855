#include "ui/common/ProgramIcons.h"

#include "ui/UiLog.h"

#include <QFile>

namespace {

struct IconName {
    const char* name;
    bool themed; // a name of the desktop's icon themes
};

constexpr IconName kIcons[] = {
    // book view and menus
    {"document-new", true},
    {"list-add", true},
    {"go-previous", true},
    {"go-next", true},
    {"document-import", true},
    {"edit-delete", true},
    {"edit-rename", true},
    {"edit-undo", true},
    {"edit-redo", true},
    {"document-print-preview", true},
    {"application-exit", true},
    {"help-contents", true},
    {"help-about", true},
    {"go-home", true},
    {"view-refresh", true},
    {"page-one", false},
    {"page-two", false},
    {"book-order", false},
    // side pane
    {"pane-photos", false},
    {"pane-album", false},
    {"pane-backgrounds", false},
    // photo box editor
    {"zoom-out", true},
    {"zoom-in", true},
    {"object-rotate-left", true},
    {"object-rotate-right", true},
    {"dialog-ok", true},
    // text box editor
    {"format-text-bold", true},
    {"format-text-italic", true},
    {"format-text-underline", true},
    {"format-justify-left", true},
    {"format-justify-center", true},
    {"format-justify-right", true},
    {"text-color", false},
    // the program itself
    {"lumbra", false},
};

const IconName* Find(const QString& name) {
    for (const IconName& icon : kIcons)
        if (name == QLatin1String(icon.name))
            return &icon;
    return nullptr;
}

} // namespace

// The pictures live in this static library; the linker keeps them only when
// asked to.
static void LoadIconResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(loaded);
}

QIcon ProgramIconPicture(const QString& name) {
    if (!Find(name)) {
        qCWarning(lcUi) << "No icon named" << name;
        return {};
    }
    LoadIconResources();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QIcon ProgramIcon(const QString& name) {
    const IconName* icon = Find(name);
    const QIcon picture = ProgramIconPicture(name);
    if (!icon || !icon->themed)
        return picture;
    return QIcon::fromTheme(name, picture);
}

QStringList ProgramIconNames() {
    LoadIconResources();
    QStringList names;
    for (const IconName& icon : kIcons)
        names << QLatin1String(icon.name);
    return names;
}
