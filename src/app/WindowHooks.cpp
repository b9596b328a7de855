#include "app/WindowHooks.h"

#include "app/StartUp.h"
#include "model/Templates.h"
#include "online/ServiceAddress.h"
#include "render/PageExport.h"
#include "ui/backgrounds/BackgroundDownloadDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/online/OrderStatusWindow.h"
#include "ui/online/UpdateCheckFlow.h"
#include "ui/order/OrderWizardOpener.h"
#include "ui/panes/BackgroundsControl.h"

MainWindowHooks MakeWindowHooks(StartUp& startUp) {
    MainWindowHooks hooks;

    // Order status and the update check; the silent check runs 5 s from now.
    {
        MainWindow* window = startUp.MainWindow();
        const Constants& strings = *startUp.Strings();
        const QString service = ServiceBaseUrl();
        auto* updates = new UpdateCheckFlow(strings, window, UpdateCheckSettings{service});
        hooks.updateCheck = [updates] { updates->CheckInteractively(); };
        hooks.orderStatus = [window, &strings, service](const QString& orderIds) {
            OrderStatusWindowOf(window, strings, service).ShowOrderStatus(orderIds);
        };
    }

    // Background download: new backgrounds join the main window's pane.
    hooks.downloadBackgrounds = [&startUp](QWidget* owner) {
        BackgroundsControl* pane = startUp.MainWindow()->GetSidePane()->GetBgcontrol();
        OpenBackgroundDownloadDialog(owner,
                                     {pane->Library(), *startUp.Strings(), pane,
                                      startUp.Folders().GetBgTempFolder(), BackgroundSiteUrl()});
    };

    // The order wizard.
    hooks.orderWizard = OrderWizardOpener(
        startUp.MainWindow(),
        [&startUp] {
            const Templates& catalogue = *startUp.Catalogue();
            return OrderWizardContext{
                *startUp.Strings(),
                PageRenderer::ForCatalogue(catalogue, startUp.Folders().GetBackgroundsFolder()),
                PrintPageSize(catalogue),
                ServiceAddress(),
                {},
                {}};
        },
        [&startUp] { startUp.MainWindow()->SetBookOrderStatusMenu(); });
    return hooks;
}
