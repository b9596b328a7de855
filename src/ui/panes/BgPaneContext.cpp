#include "ui/panes/BgPaneContext.h"

#include "model/backGround.h"
#include "model/BookManager.h"

BackgroundLibrary& BgPaneContext::Library() const { return library ? *library : backGround::Library(); }

int BgPaneContext::PaneView() const { return books ? books->CurrentPaneView() : 1; }
