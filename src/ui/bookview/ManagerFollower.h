#pragma once

#include "model/BookManager.h"

#include <QMetaObject>
#include <QPointer>

// Keeps one connection to a book manager's OnBookChange, made again when the
// manager changes; a view that follows a manager with a book catches up at once.
class ManagerFollower {
public:
    template <typename Receiver>
    void Follow(BookManager* manager, Receiver* receiver, void (Receiver::*onBookChange)()) {
        if (manager == mManager)
            return;
        QObject::disconnect(mConnection);
        mManager = manager;
        if (!manager)
            return;
        mConnection = QObject::connect(manager, &BookManager::bookChanged, receiver, onBookChange);
        if (manager->GetBook())
            (receiver->*onBookChange)();
    }

private:
    QPointer<BookManager> mManager;
    QMetaObject::Connection mConnection;
};
