#include "ui/mainwindow/dialogs/PreviewStatusDialog.h"
#include "base/Constants.h"

#include <QProgressBar>
#include <gtest/gtest.h>

TEST(PreviewStatusDialog, ShowsProgressAndClosesAtTheLastPage) {
    Constants strings;
    strings.ApplyLanguageLine("cMenuFilePreview=Preview");
    PreviewStatusDialog dialog(strings);
    EXPECT_EQ(dialog.windowTitle(), "Preview");
    dialog.show();
    dialog.SetStatus(0, 19);
    dialog.SetStatus(3, 19);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.StatusBar()->maximum(), 19);
    EXPECT_EQ(dialog.StatusBar()->value(), 3);
    dialog.SetStatus(19, 19);
    EXPECT_FALSE(dialog.isVisible());
}
