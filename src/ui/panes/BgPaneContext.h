#pragma once

class BackgroundLibrary;
class BookManager;
class Constants;

// What the backgrounds pane and its tiles reach. Null books: no book (layout
// 1, menu commands do nothing); null strings: empty captions.
struct BgPaneContext {
    BookManager* books = nullptr;
    const Constants* strings = nullptr;
    BackgroundLibrary& library;

    // CurrentPaneView of the book manager, 1 without one.
    int PaneView() const;
};
