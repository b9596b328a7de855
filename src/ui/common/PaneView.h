#pragma once

// Where the main window shows its side pane: a strip across the top or a
// column at the right. The photos, album and backgrounds panes follow it:
// tiles in a row scrolled sideways, or in a column scrolled up and down.
enum class PaneView { Strip, Column };
