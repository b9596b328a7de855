#include "ui/panes/BgPaneContext.h"

#include "ui/common/PaneViewChoice.h"

PaneView BgPaneContext::View() const { return PaneViewOf(views); }
