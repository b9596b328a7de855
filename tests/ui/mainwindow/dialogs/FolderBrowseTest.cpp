#include "ui/mainwindow/dialogs/FolderBrowse.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

// The picker opens in the pictures folder when the user has one, else at
// home, wherever the program was started from.
TEST(FolderBrowse, ThePickerOpensInThePicturesFolderOrAtHome) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    QStringList opened;
    for (const bool withPictures : {false, true}) {
        if (withPictures)
            ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Pictures")));
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                opened << QDir::cleanPath(dialog->directory().absolutePath());
                dialog->reject();
            }
        });
        EXPECT_EQ(BrowseForFolder(nullptr, QStringLiteral("Preview")), QString()); // cancelled
    }
    QDir::setCurrent(oldCurrent);
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(opened, QStringList({QDir::cleanPath(home.path()), home.filePath("Pictures")}));
}
