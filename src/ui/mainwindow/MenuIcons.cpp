#include "ui/mainwindow/MenuIcons.h"

#include <QApplication>
#include <QStyle>
#include <cstring>

namespace {

struct Fallback {
    const char* themeName;
    QStyle::StandardPixmap pixmap;
};

constexpr Fallback kFallbacks[] = {
    {"document-new", QStyle::SP_FileIcon},
    {"edit-rename", QStyle::SP_FileDialogDetailedView},
    {"document-print-preview", QStyle::SP_FileDialogContentsView},
    {"edit-delete", QStyle::SP_TrashIcon},
    {"application-exit", QStyle::SP_DialogCloseButton},
    {"list-add", QStyle::SP_FileDialogNewFolder},
    {"go-previous", QStyle::SP_ArrowLeft},
    {"go-next", QStyle::SP_ArrowRight},
    {"document-import", QStyle::SP_DialogOpenButton},
    {"mail-send", QStyle::SP_DialogApplyButton},
    {"view-refresh", QStyle::SP_BrowserReload},
    {"help-contents", QStyle::SP_DialogHelpButton},
    {"help-about", QStyle::SP_MessageBoxInformation},
    {"go-home", QStyle::SP_DirHomeIcon},
};

} // namespace

QIcon MenuIcon(const char* themeName) {
    const QIcon themed = QIcon::fromTheme(QLatin1String(themeName));
    if (!themed.isNull())
        return themed;
    for (const Fallback& f : kFallbacks) {
        if (std::strcmp(f.themeName, themeName) == 0)
            return QApplication::style()->standardIcon(f.pixmap);
    }
    return {};
}
