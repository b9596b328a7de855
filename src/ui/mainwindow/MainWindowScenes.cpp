#include "ui/mainwindow/MainWindow.h"

#include "ui/bookview/PageControl.h"
#include "ui/mainwindow/HostedChildren.h"

// Scenes for screenshots: "column" switches the side pane to the column at
// the right; "album" and "backgrounds" show that pane, "column-album" and
// "column-backgrounds" both; the editors open on the right-hand page.
void frmMain::ShowScene(const QString& scene) {
    QString pane = scene;
    if (scene.startsWith(QLatin1String("column"))) {
        mnuViewSwitch_Click();
        pane = scene.mid(int(qstrlen("column-")));
    }
    if ((pane == QLatin1String("album") || pane == QLatin1String("backgrounds")) && mTopControl) {
        mTopControl->ShowPane(pane);
        return;
    }
    PageControl* surface = mBookControl ? mBookControl->RightPageControl() : nullptr;
    if (!surface)
        return;
    if (scene == QLatin1String("photo-editor"))
        surface->OpenPhotoEditor(0);
    else if (scene == QLatin1String("text-editor"))
        surface->OpenTextEditor(0);
}
