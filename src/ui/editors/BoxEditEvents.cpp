#include "ui/editors/BoxEditEvents.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Page.h"

#include <QDir>

#include <utility>

BoxEditEvents::BoxEditEvents(QObject* receiver, BookManager& manager, std::function<void()> destroy,
                             std::function<void()> destroyWithoutSave)
    : mReceiver(receiver), mManager(manager), mDestroy(std::move(destroy)),
      mDestroyWithoutSave(std::move(destroyWithoutSave)) {
    mManagerConnections[0] = QObject::connect(&mManager, &BookManager::bookAboutToChange, mReceiver,
                                              [this] { BeforeBookChange(); });
    mManagerConnections[1] =
        QObject::connect(&mManager, &BookManager::quitting, mReceiver, [this] { mDestroy(); });
}

BoxEditEvents::~BoxEditEvents() {
    UnfollowEdit();
    for (QMetaObject::Connection& connection : mManagerConnections)
        QObject::disconnect(connection);
}

void BoxEditEvents::FollowEdit(const Book* book, const Page* aPage,
                               const std::function<void()>& onPageChange) {
    UnfollowEdit();
    mBook = book;
    if (book)
        mEditConnections[0] = QObject::connect(&mManager.Session(), &BookSession::pageIndexChanged,
                                               mReceiver, [this] { mDestroy(); });
    if (!aPage)
        return;
    mEditConnections[1] =
        QObject::connect(aPage, &Page::templateChanged, mReceiver, [this] { mDestroy(); });
    if (onPageChange)
        mEditConnections[2] = QObject::connect(aPage, &Page::changed, mReceiver, onPageChange);
}

void BoxEditEvents::UnfollowEdit() {
    for (QMetaObject::Connection& connection : mEditConnections)
        QObject::disconnect(connection);
    mBook = nullptr;
}

// The edit goes into the book being left, and so to disk, unless that book
// was just deleted.
void BoxEditEvents::BeforeBookChange() {
    if (mBook && QDir(mBook->GetBookFolder()).exists())
        mDestroy();
    else
        mDestroyWithoutSave();
}
