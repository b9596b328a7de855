#include "app/WindowHooks.h"

#include "app/StartUp.h"
#include "model/BookManager.h"
#include "model/Templates.h"
#include "online/ServiceAddress.h"
#include "render/PageExport.h"
#include "ui/backgrounds/BackgroundDownloadDialog.h"
#include "ui/backgrounds/BackgroundsPane.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/order/OrderStatusWindow.h"
#include "ui/order/OrderWizardOpener.h"
#include "ui/update/UpdateCheckFlow.h"

MainWindowHooks MakeWindowHooks(StartUp& startUp) {
    MainWindowHooks hooks;

    // The order wizard: a new order, or the rest of an unfinished upload.
    const OrderWizardCommands orders = MakeOrderWizardCommands(
        startUp.MainWindow(),
        [&startUp] {
            const Templates& catalogue = *startUp.Catalogue();
            OrderWizardContext context{
                *startUp.Strings(),
                PageRenderer::ForCatalogue(catalogue, startUp.Folders().GetBackgroundsFolder()),
                PrintPageSize(catalogue),
                ServiceAddress(),
                {},
                {}};
            context.currentService = [] { return ServiceAddress(); };
            return context;
        },
        [&startUp] { startUp.MainWindow()->SetBookOrderStatusMenu(); });
    hooks.orderWizard = orders.open;
    // Order status and the update check; the silent check runs 5 s from now.
    // Both ask the service at its address of the moment (Preferences).
    {
        MainWindow* window = startUp.MainWindow();
        const Constants& strings = *startUp.Strings();
        auto* updates = new UpdateCheckFlow(strings, window, UpdateCheckSettings{});
        hooks.updateCheck = [updates] { updates->CheckInteractively(); };
        BookManager* books = startUp.Books();
        hooks.orderStatus = [window, &strings, books, resume = orders.resume](const QString& ids) {
            OrderStatusWindow& status = OrderStatusWindowOf(window, strings, ServiceBaseUrl());
            QObject::disconnect(&status, &OrderStatusWindow::resumeRequested, nullptr, nullptr);
            QObject::connect(
                &status, &OrderStatusWindow::resumeRequested, window,
                [books, resume](const QString& orderId, int startIndex) {
                    resume(books->GetBook(), {orderId, startIndex});
                },
                Qt::QueuedConnection); // after the status window has closed
            status.ShowOrderStatus(ids);
        };
    }

    // Background download: new backgrounds join the main window's pane.
    hooks.downloadBackgrounds = [&startUp](QWidget* owner) {
        BackgroundsPane* pane = startUp.MainWindow()->GetSidePane()->Backgrounds();
        OpenBackgroundDownloadDialog(owner, {pane->Library(), *startUp.Strings(), pane,
                                             startUp.Folders().GetBackgroundTempFolder(),
                                             BackgroundSiteUrl()});
    };

    return hooks;
}
