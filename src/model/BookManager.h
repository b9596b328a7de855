#pragma once

#include "base/BookLock.h"
#include "model/BookName.h"
#include "model/ModelContext.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class Book;
class BookSession;
class Constants;

// Owns the current book and its session, and knows the names of all books
// (the subfolders of the books folder). Every change of book is announced in
// the order bookAboutToChange(name), bookChanged, bookChangeDone. The current
// book's lock is held while it is open; a book another writer holds is not
// opened (bookBusy says who has it).
class BookManager : public QObject {
    Q_OBJECT
public:
    // templates: the catalogue of the books' pages.
    // strings: for the untitled book's name (null: "Untitled").
    BookManager(const QString& booksFolder, Templates& templates,
                const Constants* strings = nullptr, QObject* parent = nullptr);
    ~BookManager() override;

    // Raises quitting (the editors commit their edits) and waits for the saves.
    void Quit();
    // Reopens the book named in "book.ini", else the first book, else a new
    // untitled one; a book another writer holds is passed over.
    void Initialize();
    std::shared_ptr<Book> GetBook() const { return mBook; }
    // The work on the current book: imports, steps, the photo pool's changes.
    BookSession& Session() const { return *mSession; }
    void UpdateAllBooks();
    // Renames the current book's folder and reopens it; false (and nothing
    // changed) for a refused name or a failed rename.
    bool Rename(const QString& newName);
    // Deletes the current book and opens the first remaining (or a new untitled) one.
    void DeleteBook();
    // Creates, saves and opens a book. A refused name changes nothing and
    // gives the reason; throws LumbraError when the new book cannot be saved
    // (then no folder is left and "book.ini" is as it was).
    BookNameCheck NewBook(const QString& name);
    // Opens a book by name; false for a name that would leave the books folder
    // or a book another writer holds.
    bool LoadBook(const QString& name);
    // The books in a stable order; empty when there is none.
    QStringList GetAllBooks() const { return mAllBooks; }

    const QString& BooksFolder() const { return mBooksFolder; }
    // What NewBook would say about the name, for the new-book dialog.
    BookNameCheck CheckNewBookName(const QString& name) const;

signals:
    void bookAboutToChange(const QString& name);
    void bookChangeDone();
    void bookChanged();
    void bookListChanged();
    // The book `name` is not opened: `reason` names the writer that holds it.
    void bookBusy(const QString& name, const QString& reason);
    void quitting();

private:
    std::shared_ptr<Book> MakeBook(const QString& name) const;
    // Takes the lock of the book `name` for mNextLock, unless it is the one
    // held; false (and bookBusy) when another writer has it.
    bool ReserveLock(const QString& name);
    // The reserved lock, if any, replaces the held one.
    void KeepReservedLock();
    QString ReadLastBookName() const;
    QString UntitledBookName() const;
    std::shared_ptr<Book> OpenLastBook();
    std::shared_ptr<Book> OpenFirstBook();
    // bookAboutToChange, then Swap.
    std::shared_ptr<Book> Replace(const std::shared_ptr<Book>& next);
    // Makes `next` current and raises bookChanged; the old book is returned
    // so it lives until the caller's events are done.
    std::shared_ptr<Book> Swap(const std::shared_ptr<Book>& next);

    QString mBooksFolder;
    ModelContext mContext;
    const Constants* mStrings;
    std::shared_ptr<Book> mBook;
    std::optional<BookLock> mLock;
    std::optional<BookLock> mNextLock;
    QStringList mAllBooks;
    std::unique_ptr<BookSession> mSession; // made last, gone first
};
