#include "model/BookManager.h"

#include "base/Constants.h"
#include "model/Book.h"
#include "model/BookFiles.h"
#include "model/BookSession.h"

#include <QDir>

BookManager::BookManager(const QString& booksFolder, Templates& templates, const Constants* strings,
                         QObject* parent)
    : QObject(parent), mBooksFolder(booksFolder), mStrings(strings) {
    mContext.templates = &templates;
    mSession = std::make_unique<BookSession>(*this);
}

BookManager::~BookManager() { mSession.reset(); }

// Editors commit their pending edits on quitting; their saves are written
// before the program goes on to end.
void BookManager::Quit() {
    emit quitting();
    if (mBook)
        mBook->WaitForSaves();
}

std::shared_ptr<Book> BookManager::MakeBook(const QString& name) const {
    auto book = std::make_shared<Book>(mBooksFolder, mContext);
    book->SetName(name);
    return book;
}

bool BookManager::ReserveLock(const QString& name) {
    const QString folder = QDir(mBooksFolder).filePath(name);
    if (mLock && mLock->IsOf(folder))
        return true;
    QDir().mkpath(folder); // a new untitled book's
    Result<BookLock> lock = BookLock::Take(folder, tr("the Lumbra window"));
    if (!lock) {
        emit bookBusy(name, lock.Error().message);
        return false;
    }
    mNextLock = std::move(lock).Value();
    return true;
}

void BookManager::KeepReservedLock() {
    if (mNextLock)
        mLock = std::exchange(mNextLock, std::nullopt);
}

QString BookManager::ReadLastBookName() const { return BookFiles::ReadLastBookName(mBooksFolder); }

QString BookManager::UntitledBookName() const {
    const QString text = mStrings ? mStrings->Text(u"cUntitledBook") : QString();
    return BookName::IsSafe(text) ? text : QStringLiteral("Untitled");
}

void BookManager::UpdateAllBooks() {
    mAllBooks = QDir(mBooksFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    emit bookListChanged();
}

std::shared_ptr<Book> BookManager::OpenLastBook() {
    const QString last = ReadLastBookName();
    if (mAllBooks.isEmpty() || !mAllBooks.contains(last, Qt::CaseSensitive) || !ReserveLock(last))
        return nullptr;
    auto book = MakeBook(last);
    book->LoadBook();
    return book;
}

std::shared_ptr<Book> BookManager::OpenFirstBook() {
    for (const QString& name : mAllBooks) {
        if (ReserveLock(name)) {
            auto book = MakeBook(name);
            book->LoadBook();
            return book;
        }
    }
    // None, or all held by other writers: a new book.
    QString name = UntitledBookName();
    for (int number = 2; mAllBooks.contains(name) || !ReserveLock(name); ++number)
        name = UntitledBookName() + QLatin1Char(' ') + QString::number(number);
    if (!mAllBooks.contains(name))
        mAllBooks << name; // names the book about to exist
    auto book = MakeBook(name);
    book->LoadBook();
    return book;
}

void BookManager::Initialize() {
    UpdateAllBooks();
    mBook = OpenLastBook();
    if (!mBook)
        mBook = OpenFirstBook();
    KeepReservedLock();
    emit bookAboutToChange(mBook->GetName());
    emit bookChanged();
    emit bookChangeDone();
    mSession->ShowPage(0);
}

std::shared_ptr<Book> BookManager::Replace(const std::shared_ptr<Book>& next) {
    emit bookAboutToChange(next->GetName());
    return Swap(next);
}

std::shared_ptr<Book> BookManager::Swap(const std::shared_ptr<Book>& next) {
    std::shared_ptr<Book> old = std::exchange(mBook, next);
    if (old)
        old->WaitForSaves(); // a failure is reported by the book
    emit bookChanged();
    return old;
}

BookNameCheck BookManager::CheckNewBookName(const QString& name) const {
    return BookName::CheckNew(mBooksFolder, name);
}

BookNameCheck BookManager::NewBook(const QString& name) {
    const BookNameCheck check = CheckNewBookName(name);
    if (check != BookNameCheck::Accepted)
        return check;
    auto book = std::make_shared<Book>(mBooksFolder, mContext);
    book->CreateOnDisk(name);
    if (!ReserveLock(name)) { // made, but another writer took it at once
        UpdateAllBooks();
        return check;
    }
    const auto old = Replace(book);
    KeepReservedLock();
    emit bookChangeDone();
    UpdateAllBooks();
    return check;
}

bool BookManager::LoadBook(const QString& name) {
    if (!BookName::IsSafe(name) || !ReserveLock(name))
        return false;
    // Editors commit (and save) their pending edits before the book is read,
    // so reopening the current book does not lose them.
    emit bookAboutToChange(name);
    if (mBook)
        mBook->WaitForSaves(); // the book read may be this one
    auto book = MakeBook(name);
    book->LoadBook();
    const auto old = Swap(book);
    KeepReservedLock();
    mSession->ShowPage(0);
    emit bookChangeDone();
    return true;
}

void BookManager::DeleteBook() {
    if (!mBook)
        return;
    mBook->Remove();
    UpdateAllBooks();
    const auto old = Replace(OpenFirstBook());
    KeepReservedLock();
    emit bookChangeDone();
}

bool BookManager::Rename(const QString& newName) {
    if (!mBook || !BookName::IsSafe(newName) || newName == mBook->GetName() ||
        BookName::IsTaken(mBooksFolder, newName, mBook->GetName()))
        return false;
    mBook->WaitForSaves(); // nothing is written into the old folder after the move
    if (!QDir(mBooksFolder).rename(mBook->GetName(), newName))
        return false;
    mBook->SetName(newName); // pending edits committed on the way are saved in the new folder
    UpdateAllBooks();
    LoadBook(newName);
    emit bookChanged();
    return true;
}
