#pragma once

// The book view and the pane switcher that the main window hosts.
#include "editing/ui/BookControl.h"
#include "panes/TopControl.h"

using BookView = BookControl;
using SidePane = TopControl;
