#include "ui/backgrounds/BackgroundsPaneContext.h"

#include "ui/common/PaneViewChoice.h"

PaneView BackgroundsPaneContext::View() const { return PaneViewOf(views); }
