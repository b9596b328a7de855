#pragma once

// The book view and the pane switcher that the main window hosts.
#include "shell/ui/PlaceholderChildren.h"

using BookView = PlaceholderBookView;
using SidePane = PlaceholderSidePane;
