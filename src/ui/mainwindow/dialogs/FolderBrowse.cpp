#include "ui/mainwindow/dialogs/FolderBrowse.h"

#include <QDir>
#include <QFileDialog>

QString BrowseForFolder(QWidget* owner, const QString& title) {
    const QString folder =
        QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
    return folder.isEmpty() ? QString() : QDir::cleanPath(folder); // no trailing "/" but on a root
}
