#pragma once

#include <QObject>
#include <functional>
#include <memory>

class Book;
class BookManager;
class BookView;
class QSettings;
class SidePane;

// Each book reopens with the page, page view, zoom and side pane it was left
// with: the state is stored when the window leaves a book or closes, and
// restored when a book is opened.
class BookViewStateKeeper : public QObject {
    Q_OBJECT
public:
    using StoreOpener = std::function<std::unique_ptr<QSettings>()>;

    // Follows the manager's book changes from now on.
    BookViewStateKeeper(BookManager& books, BookView& bookView, SidePane& sidePane,
                        StoreOpener openStore, QObject* parent = nullptr);

    // Stores how the current book is shown, once the window shows it.
    void SaveViewState();
    // Shows the current book as it was left; the page only when withPage.
    void RestoreViewState(bool withPage);

signals:
    // A stored state was applied to the book view and the side pane.
    void viewStateRestored();

private:
    BookManager& mBooks;
    BookView& mBookView;
    SidePane& mSidePane;
    StoreOpener mOpenStore;
    std::weak_ptr<Book> mViewStateBook; // the book whose view state the window shows
};
