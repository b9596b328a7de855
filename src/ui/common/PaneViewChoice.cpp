#include "ui/common/PaneViewChoice.h"

#include "model/BookManager.h"

std::shared_ptr<Book> PaneViewChoice::OpenBook() const {
    return mBooks ? mBooks->GetBook() : nullptr;
}

PaneView PaneViewChoice::Current() const {
    const std::shared_ptr<Book> book = OpenBook();
    return book && book == mBook.lock() ? mView : PaneView::Strip;
}

void PaneViewChoice::Set(PaneView view) {
    const std::shared_ptr<Book> book = OpenBook();
    if (!book)
        return;
    mBook = book;
    mView = view;
}
