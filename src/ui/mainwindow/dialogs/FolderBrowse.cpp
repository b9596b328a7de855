#include "ui/mainwindow/dialogs/FolderBrowse.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

QString FolderBrowseStart() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

QString BrowseForFolder(QWidget* owner, const QString& title) {
    const QString folder = QFileDialog::getExistingDirectory(owner, title, FolderBrowseStart(),
                                                             QFileDialog::ShowDirsOnly);
    return folder.isEmpty() ? QString() : QDir::cleanPath(folder); // no trailing "/" but on a root
}
