#include "model/BookHistory.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/HeldPhotoFiles.h"
#include "model/ModelLog.h"

#include <QSet>
#include <QUndoCommand>
#include <exception>
#include <utility>

class BookHistory::Step : public QUndoCommand {
public:
    Step(BookHistory& history, BookSnapshot before, BookSnapshot after, const QString& name)
        : QUndoCommand(name), mHistory(history), mBefore(std::move(before)),
          mAfter(std::move(after)) {}

    // The first redo comes with the push, when the change is already made.
    void redo() override {
        if (std::exchange(mDone, true))
            mHistory.Apply(mAfter);
    }
    void undo() override { mHistory.Apply(mBefore); }

    void AddPhotoNames(QSet<QString>& names) const {
        for (const BookSnapshot* state : {&mBefore, &mAfter})
            for (const QString& name : state->photos)
                names.insert(name);
    }

private:
    BookHistory& mHistory;
    BookSnapshot mBefore;
    BookSnapshot mAfter;
    bool mDone = false;
};

namespace {

constexpr int kUndoLimit = 100;

} // namespace

BookHistory::BookHistory(BookManager& books, QObject* parent) : QObject(parent), mBooks(books) {
    mStack.setUndoLimit(kUndoLimit);
    connect(&mBooks, &BookManager::bookChanged, this, &BookHistory::Attach);
    connect(&mBooks, &BookManager::quitting, this, &BookHistory::Detach);
    Attach();
}

BookHistory::~BookHistory() { Detach(); }

void BookHistory::Detach() {
    disconnect(mSaved);
    mStack.clear();
    if (!mFolder.isEmpty())
        HeldPhotoFiles::Settle(mFolder, true);
    mBook = nullptr;
    mFolder.clear();
}

void BookHistory::Attach() {
    Detach();
    const std::shared_ptr<Book> book = mBooks.GetBook();
    if (!book)
        return;
    mBook = book.get();
    mFolder = book->GetBookFolder();
    mLast = book->Snapshot();
    mSaved = connect(book.get(), &Book::saved, this, &BookHistory::OnSaved);
}

void BookHistory::OnSaved() {
    if (!mRestoring && mBook)
        Record(mBook->TakeStepName());
}

void BookHistory::Record(const QString& name) {
    if (!mBook)
        return;
    BookSnapshot now = mBook->Snapshot();
    if (now == mLast)
        return;
    const QSet<QString> stays(now.photos.begin(), now.photos.end());
    for (const QString& photo : mLast.photos)
        if (!stays.contains(photo))
            HeldPhotoFiles::Hold(mFolder, photo); // deleted from the pool: kept for an undo
    BookSnapshot before = std::exchange(mLast, now);
    mStack.push(
        new Step(*this, std::move(before), std::move(now), name.isEmpty() ? tr("Change") : name));
    DropUnreachable();
}

// "book.pbx" gets the target's pages before any photo file moves: a crash in
// between leaves a book whose photos the next opening finds (Book::LoadBook).
void BookHistory::Apply(const BookSnapshot& target) {
    if (!mBook)
        return;
    try {
        mBook->WriteSnapshot(target);
    } catch (const std::exception&) {
        // reported by the book; nothing moved, the book stays as it was
        LogCaughtException(lcModel(), "Writing an undone or redone step");
        return;
    }
    mRestoring = true;
    try {
        mBook->Restore(target);
        mBook->SaveBook();
    } catch (const std::exception&) {
        // a failed save has been reported by the book; the pages stay as restored
        LogCaughtException(lcModel(), "Saving an undone or redone step");
    }
    mRestoring = false;
    mLast = mBook->Snapshot();
}

void BookHistory::DropUnreachable() {
    QSet<QString> reachable;
    for (int i = 0; i < mStack.count(); ++i)
        if (const auto* step = dynamic_cast<const Step*>(mStack.command(i)))
            step->AddPhotoNames(reachable);
    HeldPhotoFiles::Purge(mFolder, reachable);
}
