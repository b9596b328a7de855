#include "ui/panes/BgPaneContext.h"

#include "model/BookManager.h"

int BgPaneContext::PaneView() const { return books ? books->CurrentPaneView() : 1; }
