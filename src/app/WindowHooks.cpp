#include "app/WindowHooks.h"

#include "app/StartUp.h"
#include "model/Templates.h"
#include "render/PageExport.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/order/OrderWizardOpener.h"

MainWindowHooks MakeWindowHooks(StartUp& startUp) {
    MainWindowHooks hooks;
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
