#include "ui/mainwindow/MainWindow.h"

#include "ui/backgrounds/BackgroundDownloadDialog.h"
#include "ui/bookview/BookView.h"
#include "ui/bookview/PageView.h"
#include "ui/mainwindow/dialogs/PreferencesDialog.h"
#include "ui/order/OrderWizard.h"
#include "ui/order/OrderWizardScene.h"
#include "ui/panes/SidePane.h"
#include "ui/update/UpdateCheckFlow.h"

// Scenes for screenshots: "column" switches the side pane to the column at
// the right; "album" and "backgrounds" show that pane, "column-album" and
// "column-backgrounds" both; the editors open on the right-hand page;
// "order-status" and "update-notice" run those commands against the service;
// "background-download" opens the download dialog with two backgrounds ticked;
// "order-verify", "order-cover", "order-upload" and "order-payment" drive the
// order wizard to that step; "message-box" asks whether to delete the book,
// "file-dialog" opens the photo import dialog; "preferences" opens
// Edit > Preferences.
void MainWindow::ShowScene(const QString& scene) {
    if (scene == QLatin1String("message-box"))
        return onFileDeleteTriggered(); // the screenshot answers No
    if (scene == QLatin1String("file-dialog"))
        return onBookImportPhotosTriggered();
    if (scene == QLatin1String("preferences"))
        return OpenPreferences(this);
    if (scene == QLatin1String("order-status"))
        return onBookOrderStatusTriggered();
    if (scene == QLatin1String("background-download") && mSidePane) {
        mSidePane->ShowPane(QStringLiteral("backgrounds"));
        if (mHooks.downloadBackgrounds)
            mHooks.downloadBackgrounds(this);
        if (auto* dialog = findChild<BackgroundDownloadDialog*>())
            dialog->TickOnSiteWhenLoaded(2);
        return;
    }
    if (scene == QLatin1String("update-notice")) {
        if (auto* updates = findChild<UpdateCheckFlow*>())
            updates->CheckSilently();
        return;
    }
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
    PageView* surface = mBookView ? mBookView->RightPageView() : nullptr;
    if (!surface)
        return;
    if (scene == QLatin1String("photo-editor"))
        surface->OpenPhotoEditor(0);
    else if (scene == QLatin1String("text-editor"))
        surface->OpenTextEditor(0);
}
