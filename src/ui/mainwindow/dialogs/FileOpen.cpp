#include "ui/mainwindow/dialogs/FileOpen.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {

// Patterns separated by blanks, each also in upper case and with a capital
// first letter after the last dot, so that camera files such as
// "IMG_0001.JPG" or "a.Jpeg" show where names are case-sensitive (Qt's own
// dialog ignores the case anyway).
QString PatternsAnyCase(const QString& patterns) {
    QStringList result;
    for (const QString& p :
         patterns.split(QRegularExpression(QStringLiteral("[; ]+")), Qt::SkipEmptyParts)) {
        const qsizetype dot = p.lastIndexOf(QLatin1Char('.'));
        QString capital = p.toLower();
        if (dot >= 0 && dot + 1 < capital.size())
            capital[dot + 1] = capital[dot + 1].toUpper();
        for (const QString& variant : {p, p.toLower(), p.toUpper(), capital})
            if (!result.contains(variant))
                result.append(variant);
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
