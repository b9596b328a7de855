#include "ui/mainwindow/dialogs/FileOpen.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {

// Patterns separated by blanks, each also in upper case, so that camera
// files such as "IMG_0001.JPG" show where names are case-sensitive.
QString PatternsAnyCase(const QString& patterns) {
    QStringList result;
    for (const QString& p :
         patterns.split(QRegularExpression(QStringLiteral("[; ]+")), Qt::SkipEmptyParts)) {
        result.append(p);
        if (p.toUpper() != p)
            result.append(p.toUpper());
    }
    return result.join(QLatin1Char(' '));
}

} // namespace

QString FileDialogNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(
            QStringLiteral("%1 (%2)").arg(parts.at(i), PatternsAnyCase(parts.at(i + 1))));
    return filters.join(QStringLiteral(";;"));
}

QStringList ShowOpenFileDialog(const QString& filter, const QString& initialFolder,
                               const QString& title, QWidget* owner) {
    const QStringList paths =
        QFileDialog::getOpenFileNames(owner, title, initialFolder, FileDialogNameFilters(filter));
    if (paths.isEmpty())
        return {QString()};
    return paths;
}
