#pragma once

#include "base/Result.h"

#include <QString>

// The one writer of a book: an advisory lock (flock) on ".lumbra.lock" in the
// book's own folder, whoever writes the book (the window or a command) and
// however they were started. The kernel lets it go when its holder ends,
// however that ends. The file names the holder for those refused.
class BookLock {
public:
    BookLock(BookLock&& other) noexcept;
    BookLock& operator=(BookLock&& other) noexcept;
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;
    ~BookLock();

    // Takes the lock of the book in `folder` for `holder` (what a refused
    // writer is told, e.g. "lumbra --fill"). Fails, naming the holder, while
    // another has it, in this process or another.
    static Result<BookLock> Take(const QString& folder, const QString& holder);
    // Whether this is the lock of the book now in `folder`, also after the
    // folder was renamed.
    bool IsOf(const QString& folder) const;

    static constexpr const char* kFileName = ".lumbra.lock"; // hidden: not the user's to open

private:
    explicit BookLock(int fd) : mFd(fd) {}
    int mFd = -1;
};
