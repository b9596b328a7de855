#include "ui/mainwindow/ScreenshotScenes.h"

#include "ui/backgrounds/BackgroundDownloadDialog.h"
#include "ui/bookview/BookView.h"
#include "ui/bookview/PageView.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/order/OrderWizard.h"
#include "ui/order/OrderWizardScene.h"
#include "ui/panes/SidePane.h"
#include "ui/update/UpdateCheckFlow.h"

#include <QAction>

namespace {

// The background download over the backgrounds pane, two backgrounds ticked.
void ShowBackgroundDownload(MainWindow& window) {
    window.GetSidePane()->ShowPane(QStringLiteral("backgrounds"));
    if (window.Hooks().downloadBackgrounds)
        window.Hooks().downloadBackgrounds(&window);
    if (auto* dialog = window.findChild<BackgroundDownloadDialog*>())
        dialog->TickOnSiteWhenLoaded(2);
}

// The order steps, driven as a user would.
void ShowOrderStep(MainWindow& window, const QString& scene) {
    const auto book = window.CurrentBook();
    if (!window.Hooks().orderWizard || !book)
        return;
    window.Hooks().orderWizard(book);
    if (auto* wizard = window.findChild<OrderWizard*>())
        PlayOrderScene(*wizard, scene);
}

} // namespace

void ShowScreenshotScene(MainWindow& window, const QString& scene) {
    const MainWindowActions& actions = window.Actions();
    if (scene == QLatin1String("message-box"))
        return actions.fileDelete->trigger(); // the screenshot answers No
    if (scene == QLatin1String("file-dialog"))
        return actions.bookImportPhotos->trigger();
    if (scene == QLatin1String("preferences"))
        return actions.editPreferences->trigger();
    if (scene == QLatin1String("order-status"))
        return actions.bookOrderStatus->trigger();
    if (scene == QLatin1String("background-download"))
        return ShowBackgroundDownload(window);
    if (scene == QLatin1String("update-notice")) {
        if (auto* updates = window.findChild<UpdateCheckFlow*>())
            updates->CheckSilently();
        return;
    }
    if (scene.startsWith(QLatin1String("order-")))
        return ShowOrderStep(window, scene);
    QString pane = scene;
    if (scene.startsWith(QLatin1String("column"))) {
        actions.viewSwitch->trigger();
        pane = scene.mid(int(qstrlen("column-")));
    }
    if (pane == QLatin1String("album") || pane == QLatin1String("backgrounds"))
        return window.GetSidePane()->ShowPane(pane);
    PageView* surface = window.GetBookView()->RightPageView();
    if (scene == QLatin1String("photo-editor"))
        surface->OpenPhotoEditor(0);
    else if (scene == QLatin1String("text-editor"))
        surface->OpenTextEditor(0);
}
