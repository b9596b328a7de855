#include "shell/ui/MainWindow.h"

#include "editing/ui/PageControl.h"
#include "shell/ui/HostedChildren.h"

void frmMain::ShowScene(const QString& scene) {
    if (scene == QLatin1String("column")) {
        mnuViewSwitch_Click();
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
