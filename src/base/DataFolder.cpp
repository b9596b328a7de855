#include "base/DataFolder.h"

#include "base/LanguageChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString WithSlash(const QString& folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }

} // namespace

QString DataFolderFor(const QString& programFolder) {
    const QString beside = QDir::cleanPath(programFolder);
    const QString installed = QDir::cleanPath(beside + QStringLiteral("/../share/lumbra"));
    for (const QString& folder : {beside, installed}) {
        if (QFileInfo(LanguageFilePath(folder, QLocale(QLocale::English))).isFile())
            return WithSlash(folder);
    }
    return WithSlash(beside);
}

QString DataFolder() { return DataFolderFor(QCoreApplication::applicationDirPath()); }
