#include "ui/mainwindow/MainWindowFixture.h"
#include "ui/panes/SidePane.h"

#include <QPushButton>

namespace {

using DownloadButtonTest = MainWindowFixture;

// The side pane's download button runs the main window's connection check,
// then the download dialog over the main window.
TEST_F(DownloadButtonTest, OpensTheDialogOnlyWhenConnected) {
    Window().show();
    books->Initialize();
    Window().GetSidePane()->ShowPane(QStringLiteral("backgrounds"));
    QPushButton* button = Window().GetSidePane()->DownloadButton();
    EXPECT_FALSE(button->isEnabled()); // no dialog to open

    bool online = false;
    QStringList told;
    QList<QWidget*> owners;
    MainWindowHooks hooks;
    hooks.isOnline = [&online] { return online; };
    hooks.tell = [&told](const QString& text) { told << text; };
    hooks.downloadBackgrounds = [&owners](QWidget* owner) { owners << owner; };
    Window().SetHooks(hooks);
    ASSERT_TRUE(button->isEnabled());
    ASSERT_TRUE(button->isVisible());

    button->click();
    EXPECT_EQ(told, QStringList{Caption("cNoInternet")});
    EXPECT_TRUE(owners.isEmpty());

    online = true;
    button->click();
    EXPECT_EQ(told.size(), 1);
    EXPECT_EQ(owners, QList<QWidget*>{&Window()});
}

} // namespace
