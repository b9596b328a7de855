#pragma once

#include "base/ConnectionGroup.h"
#include "render/check/BookProblem.h"
#include "render/check/TextFits.h"

#include <QObject>
#include <QTimer>
#include <vector>

class BookManager;
class Templates;

// The check of the current book, on the UI thread. While followed, every
// change of the book's pages (and a change of book) checks it again a moment
// later and raises `checked`. Texts laid out once stay measured between runs.
class BookCheckWatch : public QObject {
    Q_OBJECT
public:
    // How long after the last change the book is checked again.
    static constexpr int kDelayMs = 200;

    BookCheckWatch(BookManager& books, const Templates& catalogue, QObject* parent = nullptr);

    // Checks the current book now (none: no problems) and raises `checked`.
    std::vector<BookProblem> CheckNow();
    void SetFollowing(bool following);
    bool IsFollowing() const { return mFollowing; }
    // A check waits for the delay.
    bool IsPending() const { return mDelay.isActive(); }

signals:
    void checked(const std::vector<BookProblem>& problems);

private:
    void FollowBook();
    void OnChange();

    BookManager& mBooks;
    const Templates& mCatalogue;
    TextFits mTexts;
    QTimer mDelay;
    ConnectionGroup mBookConnections;
    QMetaObject::Connection mManagerConnection;
    bool mFollowing = false;
};
