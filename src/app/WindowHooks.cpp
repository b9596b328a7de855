#include "app/WindowHooks.h"

#include "app/StartUp.h"
#include "online/ServiceAddress.h"
#include "ui/backgrounds/BackgroundDownloadDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/panes/BackgroundsControl.h"

MainWindowHooks MakeWindowHooks(StartUp& startUp) {
    MainWindowHooks hooks;

    // Background download: new backgrounds join the main window's pane.
    hooks.downloadBackgrounds = [&startUp](QWidget* owner) {
        BackgroundsControl* pane = startUp.MainWindow()->GetSidePane()->GetBgcontrol();
        OpenBackgroundDownloadDialog(owner,
                                     {pane->Library(), *startUp.Strings(), pane,
                                      startUp.Folders().GetBgTempFolder(), BackgroundSiteUrl()});
    };

    return hooks;
}
