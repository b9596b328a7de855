#include "ui/panes/BgPaneContext.h"

#include "model/Backgrounds.h"
#include "model/BookManager.h"

BackgroundLibrary& BgPaneContext::Library() const { return library ? *library : Backgrounds::Library(); }

int BgPaneContext::PaneView() const { return books ? books->CurrentPaneView() : 1; }
