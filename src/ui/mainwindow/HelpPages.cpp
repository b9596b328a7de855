#include "ui/mainwindow/HelpPages.h"

#include "BuildConfig.h"
#include "base/ShellOpen.h"
#include "ui/mainwindow/MainWindowHooks.h"
#include "ui/mainwindow/WindowPrompts.h"

#include <QDir>
#include <QUrl>

HelpPages::HelpPages(QString dataFolder, const WindowPrompts& prompts)
    : mDataFolder(std::move(dataFolder)), mPrompts(prompts) {}

void HelpPages::OpenPage(const QString& address) const {
    const bool local = address.startsWith(QLatin1String("file:"));
    const MainWindowHooks& hooks = mPrompts.Hooks();
    bool opened = false;
    if (hooks.openWebPage)
        opened = hooks.openWebPage(address);
    else
        opened = local ? OpenFolderWindow(QUrl(address).toLocalFile()) : OpenWebPage(address);
    if (!opened)
        mPrompts.Tell(
            tr("No web browser could be started. Open this address in a browser by hand:") +
            QStringLiteral("\n") + (local ? QUrl(address).toLocalFile() : WebPageAddress(address)));
}

// A help page: at the deployment's address when it has one, else the page
// delivered with the program.
QString HelpPages::HelpPageAddress(const char* base, const QString& page) const {
    const QString address = QString::fromUtf8(base);
    if (!address.isEmpty())
        return address + page;
    return QUrl::fromLocalFile(QDir(mDataFolder).filePath(QStringLiteral("help/") + page))
        .toString();
}

void HelpPages::OpenContents() const {
    OpenPage(HelpPageAddress(BuildConfig::HelpUrl,
                             tr("edit.html", "file name of the user guide in this language")));
}

void HelpPages::OpenFaq() const {
    OpenPage(
        HelpPageAddress(BuildConfig::FaqUrl,
                        tr("question.html", "file name of the questions page in this language")));
}

void HelpPages::OpenWebsite() const { OpenPage(QString::fromUtf8(BuildConfig::WebsiteUrl)); }
