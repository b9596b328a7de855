#include "render/check/BookCheckWatch.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "render/check/BookCheck.h"
#include "render/check/BookCheckInput.h"

BookCheckWatch::BookCheckWatch(BookManager& books, const Templates& catalogue, QObject* parent)
    : QObject(parent), mBooks(books), mCatalogue(catalogue) {
    mDelay.setSingleShot(true);
    mDelay.setInterval(kDelayMs);
    connect(&mDelay, &QTimer::timeout, this, &BookCheckWatch::CheckNow);
}

std::vector<BookProblem> BookCheckWatch::CheckNow() {
    mDelay.stop();
    const auto book = mBooks.GetBook();
    std::vector<BookProblem> problems;
    if (book)
        problems = CheckBook(BookCheckInputOf(*book, mCatalogue), mTexts);
    emit checked(problems);
    return problems;
}

void BookCheckWatch::SetFollowing(bool following) {
    if (following == mFollowing)
        return;
    mFollowing = following;
    if (!following) {
        mDelay.stop();
        mBookConnections.Clear();
        disconnect(mManagerConnection);
        return;
    }
    mManagerConnection = connect(&mBooks, &BookManager::bookChanged, this, [this] {
        FollowBook();
        OnChange();
    });
    FollowBook();
}

void BookCheckWatch::FollowBook() {
    const auto book = mBooks.GetBook();
    if (!book) {
        mBookConnections.Clear();
        return;
    }
    const Book* followed = book.get();
    mBookConnections.Replace({
        connect(followed, &Book::saved, this, &BookCheckWatch::OnChange),
        connect(followed, &Book::pageAdded, this, &BookCheckWatch::OnChange),
        connect(followed, &Book::pageDeleted, this, &BookCheckWatch::OnChange),
        connect(followed, &Book::pageChanged, this, &BookCheckWatch::OnChange),
    });
}

void BookCheckWatch::OnChange() { mDelay.start(); }
