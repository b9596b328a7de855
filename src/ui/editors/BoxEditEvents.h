#pragma once

#include <QMetaObject>

#include <array>
#include <functional>

class Book;
class BookManager;
class QObject;
class Page;

// The events that end a box edit, for the two box editors: the book manager's
// (another book is about to come, the program quits), the edited book's page
// switch and the edited page's template change. Every one of them closes
// the edit with saving, except that a book whose folder is gone (deleted
// just before the change) is not written again.
class BoxEditEvents {
public:
    // The reactions run in `receiver`'s context.
    BoxEditEvents(QObject* receiver, BookManager& manager, std::function<void()> destroy,
                  std::function<void()> destroyWithoutSave);
    ~BoxEditEvents();
    BoxEditEvents(const BoxEditEvents&) = delete;
    BoxEditEvents& operator=(const BoxEditEvents&) = delete;

    BookManager& Manager() const { return mManager; }
    // Follows one edit; `onPageChange`, when given, runs on the page's other changes.
    void FollowEdit(const Book* book, const Page* aPage,
                    const std::function<void()>& onPageChange = {});
    void UnfollowEdit();

private:
    QObject* mReceiver;
    BookManager& mManager;
    void BeforeBookChange();

    std::function<void()> mDestroy;
    std::function<void()> mDestroyWithoutSave;
    const Book* mBook = nullptr;
    std::array<QMetaObject::Connection, 2> mManagerConnections;
    std::array<QMetaObject::Connection, 3> mEditConnections;
};
