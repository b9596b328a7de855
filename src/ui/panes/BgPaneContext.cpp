#include "ui/panes/BgPaneContext.h"

#include "model/Backgrounds.h"
#include "ui/common/PaneViewChoice.h"

BackgroundLibrary& BgPaneContext::Library() const { return library ? *library : Backgrounds::Library(); }

PaneView BgPaneContext::View() const { return PaneViewOf(views); }
