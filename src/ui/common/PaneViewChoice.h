#pragma once

#include "ui/common/PaneView.h"

#include <memory>

class Book;
class BookManager;

// The side pane's view chosen for the book that is open. It belongs to the
// open book object: each book object starts with the strip, and so does the
// window without a book; the main window sets the view a book was left with.
class PaneViewChoice {
public:
    // Null books: always the strip.
    explicit PaneViewChoice(const BookManager* books) : mBooks(books) {}

    PaneView Current() const;
    // Chooses the view for the open book; nothing without one.
    void Set(PaneView view);

private:
    std::shared_ptr<Book> OpenBook() const;

    const BookManager* mBooks;
    std::weak_ptr<const Book> mBook; // the book the choice was made for
    PaneView mView = PaneView::Strip;
};

// The choice's view; the strip without a choice.
inline PaneView PaneViewOf(const PaneViewChoice* choice) {
    return choice ? choice->Current() : PaneView::Strip;
}
