#include "ui/mainwindow/MainWindow.h"

#include "ui/bookview/BookView.h"
#include "ui/bookview/PageControl.h"
#include "ui/order/OrderWizard.h"
#include "ui/order/OrderWizardScene.h"
#include "ui/panes/SidePane.h"

// Scenes for screenshots: "column" switches the side pane to the column at
// the right; "album" and "backgrounds" show that pane, "column-album" and
// "column-backgrounds" both; the editors open on the right-hand page.
void MainWindow::ShowScene(const QString& scene) {
    if (scene.startsWith(QLatin1String("order-")) && mHooks.orderWizard && CurrentBook()) {
        mHooks.orderWizard(CurrentBook()); // the order steps, driven as a user would
        if (auto* wizard = findChild<OrderWizard*>())
            PlayOrderScene(*wizard, scene);
        return;
    }
    QString pane = scene;
    if (scene.startsWith(QLatin1String("column"))) {
        onViewSwitchTriggered();
        pane = scene.mid(int(qstrlen("column-")));
    }
    if ((pane == QLatin1String("album") || pane == QLatin1String("backgrounds")) && mSidePane) {
        mSidePane->ShowPane(pane);
        return;
    }
    PageControl* surface = mBookView ? mBookView->RightPageControl() : nullptr;
    if (!surface)
        return;
    if (scene == QLatin1String("photo-editor"))
        surface->OpenPhotoEditor(0);
    else if (scene == QLatin1String("text-editor"))
        surface->OpenTextEditor(0);
}
