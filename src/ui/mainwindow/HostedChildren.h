#pragma once

// The book view and the pane switcher that the main window hosts.
#include "ui/bookview/BookControl.h"
#include "ui/panes/TopControl.h"

using BookView = BookControl;
using SidePane = TopControl;
