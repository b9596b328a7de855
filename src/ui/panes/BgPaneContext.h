#pragma once

class BackgroundLibrary;
class BookManager;
class Constants;

// What the backgrounds pane and its tiles reach. Null books: no book (layout
// 1, menu commands do nothing); null strings: empty captions; null library:
// the program's background library.
struct BgPaneContext {
    BookManager* books = nullptr;
    const Constants* strings = nullptr;
    BackgroundLibrary* library = nullptr;

    BackgroundLibrary& Library() const;
    // CurrentPaneView of the book manager, 1 without one.
    int PaneView() const;
};
