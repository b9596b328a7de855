// Each book reopens with the page, page view, zoom and side pane it was left with.
#include "ui/mainwindow/MainWindow.h"

#include "base/Constants.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "ui/mainwindow/BookViewState.h"
#include "ui/mainwindow/MainWindowRules.h"

#include <QAction>
#include <QSettings>
#include <QTimer>

void MainWindow::FollowViewState() {
    connect(&mBooks, &BookManager::bookAboutToChange, this, &MainWindow::SaveViewState);
    // The page after the manager's own move to the first page, which at start
    // comes after the change is done.
    connect(&mBooks, &BookManager::bookChangeDone, this, [this] {
        QTimer::singleShot(0, this, [this, book = std::weak_ptr<Book>(CurrentBook())] {
            if (book.lock() && book.lock() == CurrentBook())
                RestoreViewState(true);
        });
    });
}

void MainWindow::SaveViewState() {
    const auto book = CurrentBook();
    if (!book || mViewStateBook.lock() != book)
        return; // the window does not show this book yet
    BookViewState state;
    state.pageIndex = mBooks.Session().PageIndex();
    state.pagesView = mBookView->GetPagesView();
    state.zoomIndex = mBookView->ZoomIndex();
    state.paneView = mSidePane->View();
    state.pane = mSidePane->PressedKey();
    WriteBookViewState(*PlacementStore(), book->GetName(), state);
}

void MainWindow::RestoreViewState(bool withPage) {
    const auto book = CurrentBook();
    if (!book)
        return;
    if (withPage)
        mViewStateBook = book; // from now on the window stores how it shows this book
    const std::optional<BookViewState> state =
        ReadBookViewState(*PlacementStore(), book->GetName());
    if (!state)
        return;
    if (mBookView->GetPagesView() != state->pagesView) {
        mActions.bookPageView->setText(
            mStrings.Text(MainWindowRules::PageViewCaptionKey(state->pagesView)));
        mBookView->SetPagesView(state->pagesView);
    }
    mBookView->SetZoomIndex(state->zoomIndex);
    mSidePane->SetView(state->paneView);
    mSidePane->ShowPane(state->pane);
    if (withPage)
        mBooks.Session().ShowPage(state->pageIndex); // a page past the end is the last one
    Resize();
    mSidePane->Relayout();
}
