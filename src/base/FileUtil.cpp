#include "base/FileUtil.h"

#include <QDir>
#include <QFileInfo>

namespace {

QStringList OneEmptyWhenNone(QStringList names) {
    if (names.isEmpty())
        names.append(QString());
    return names;
}

QString WithoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

constexpr QDir::SortFlags kNameOrder = QDir::Name | QDir::IgnoreCase;

} // namespace

QStringList ListFiles(const QString& pattern) {
    const qsizetype slash = pattern.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QStringLiteral(".") : pattern.left(slash + 1);
    QString namePattern = pattern.mid(slash + 1);
    if (namePattern == QLatin1String("*.*"))
        namePattern = QStringLiteral("*"); // every name, with or without a dot
    const QDir dir(folder);
    return OneEmptyWhenNone(
        dir.entryList({namePattern}, QDir::Files | QDir::Hidden | QDir::System, kNameOrder));
}

QStringList ListSubfolders(const QString& folder) {
    const QDir dir(folder);
    return OneEmptyWhenNone(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, kNameOrder));
}

bool ArrayContains(const QStringList& array, const QString& text) {
    return array.contains(text, Qt::CaseSensitive);
}

int RenameWithShell(const QString& fromPath, const QString& toPath) {
    const QString from = WithoutTrailingSlash(fromPath);
    const QString to = WithoutTrailingSlash(toPath);
    const QFileInfo source(from);
    const QFileInfo target(to);
    if (!source.exists())
        return 2;
    // A target that exists is another entry, except when only the letter case
    // differs on a file system that ignores case.
    if (target.exists() && source.canonicalFilePath() != target.canonicalFilePath())
        return 3;
    return QDir().rename(from, to) ? 0 : 1;
}
