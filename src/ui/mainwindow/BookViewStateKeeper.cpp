#include "ui/mainwindow/BookViewStateKeeper.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "ui/bookview/BookView.h"
#include "ui/mainwindow/BookViewState.h"
#include "ui/panes/SidePane.h"

#include <QSettings>
#include <QTimer>

BookViewStateKeeper::BookViewStateKeeper(BookManager& books, BookView& bookView, SidePane& sidePane,
                                         StoreOpener openStore, QObject* parent)
    : QObject(parent), mBooks(books), mBookView(bookView), mSidePane(sidePane),
      mOpenStore(std::move(openStore)) {
    connect(&mBooks, &BookManager::bookAboutToChange, this, &BookViewStateKeeper::SaveViewState);
    // The page after the manager's own move to the first page, which at start
    // comes after the change is done.
    connect(&mBooks, &BookManager::bookChangeDone, this, [this] {
        QTimer::singleShot(0, this, [this, book = std::weak_ptr<Book>(mBooks.GetBook())] {
            if (book.lock() && book.lock() == mBooks.GetBook())
                RestoreViewState(true);
        });
    });
}

void BookViewStateKeeper::SaveViewState() {
    const auto book = mBooks.GetBook();
    if (!book || mViewStateBook.lock() != book)
        return; // the window does not show this book yet
    BookViewState state;
    state.pageIndex = mBooks.Session().PageIndex();
    state.pagesView = mBookView.GetPagesView();
    state.zoomIndex = mBookView.ZoomIndex();
    state.paneView = mSidePane.View();
    state.pane = mSidePane.PressedKey();
    WriteBookViewState(*mOpenStore(), book->GetName(), state);
}

void BookViewStateKeeper::RestoreViewState(bool withPage) {
    const auto book = mBooks.GetBook();
    if (!book)
        return;
    if (withPage)
        mViewStateBook = book; // from now on the window stores how it shows this book
    const std::optional<BookViewState> state = ReadBookViewState(*mOpenStore(), book->GetName());
    if (!state)
        return;
    if (mBookView.GetPagesView() != state->pagesView)
        mBookView.SetPagesView(state->pagesView);
    mBookView.SetZoomIndex(state->zoomIndex);
    mSidePane.SetView(state->paneView);
    mSidePane.ShowPane(state->pane);
    if (withPage)
        mBooks.Session().ShowPage(state->pageIndex); // a page past the end is the last one
    emit viewStateRestored();
}
