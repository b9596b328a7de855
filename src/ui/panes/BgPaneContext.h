#pragma once

#include "ui/common/PaneView.h"

class BackgroundLibrary;
class BookManager;
class Constants;
class PaneViewChoice;

// What the backgrounds pane and its tiles reach. Null books: no book (menu
// commands do nothing); null strings: empty captions; null library: the
// program's background library; null views: the strip.
struct BgPaneContext {
    BookManager* books = nullptr;
    const Constants* strings = nullptr;
    BackgroundLibrary* library = nullptr;
    const PaneViewChoice* views = nullptr;

    BackgroundLibrary& Library() const;
    PaneView View() const;
};
