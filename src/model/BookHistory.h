#pragma once

#include "model/BookSnapshot.h"

#include <QObject>
#include <QPointer>
#include <QUndoStack>

class Book;
class BookManager;

// Undo and redo for the current book. Every save of the book that changed
// its pages or its photo pool ends one step, named by the book's step name
// (Book::NameNextStep). Undo and redo bring the book back to the state
// before or after a step and save it. Photos a step took out of the pool
// keep their files (HeldPhotoFiles) while a step on the stack may bring them
// back. The stack is cleared, and held files deleted, when the book changes
// or the program quits.
class BookHistory : public QObject {
    Q_OBJECT
public:
    explicit BookHistory(BookManager& books, QObject* parent = nullptr);
    ~BookHistory() override;

    QUndoStack& Stack() { return mStack; }

private:
    class Step;

    // Ends a step if the book changed since the last one.
    void Record(const QString& name);
    void Attach();
    void Detach();
    void OnSaved();
    void Apply(const BookSnapshot& target);
    // Deletes the held files no step on the stack can bring back.
    void DropUnreachable();

    BookManager& mBooks;
    QUndoStack mStack;
    QPointer<Book> mBook;
    QString mFolder;
    BookSnapshot mLast;
    bool mRestoring = false;
    QMetaObject::Connection mSaved;
};
