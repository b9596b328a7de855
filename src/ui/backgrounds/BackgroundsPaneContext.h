#pragma once

#include "ui/common/PaneView.h"

class BackgroundLibrary;
class BookManager;
class Constants;
class PaneViewChoice;

// What the backgrounds pane and its tiles reach. Null books: no book (menu
// commands do nothing); null strings: empty captions; null views: the strip.
struct BackgroundsPaneContext {
    BookManager* books = nullptr;
    const Constants* strings = nullptr;
    BackgroundLibrary& library;
    const PaneViewChoice* views = nullptr;

    PaneView View() const;
};
