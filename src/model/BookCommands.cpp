#include "model/BookCommands.h"

#include "base/LumbraError.h"
#include "model/BookFiles.h"
#include "model/HeldPhotoFiles.h"
#include "model/ModelLog.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

BookCommand::BookCommand(Book& book, const QString& name) : QUndoCommand(name), mBook(book) {}

void BookCommand::Save() const {
    try {
        mBook.SaveBook();
    } catch (const LumbraError&) {
        LogCaughtException(lcModel(), qUtf8Printable(QStringLiteral("Saving the step ") + text()));
    }
}

// ---- the pool

void PoolChange::Bring(Book& book) const {
    const QString folder = book.GetBookFolder();
    for (const QString& name : names) {
        const auto parsed =
            BookFiles::ParsePhotoFileName(name + QLatin1String(BookFiles::kFullSizeSuffix));
        if (!parsed || book.Photos().Find(parsed->key))
            continue;
        HeldPhotoFiles::Release(folder, name);
        auto photo = std::make_shared<PhotoImage>();
        photo->CopyName(name);
        photo->SetKey(folder, parsed->key);
        book.Photos().Add(photo);
    }
    book.Photos().OrderByNames(order); // a photo brought back takes its old place
}

void PoolChange::Take(Book& book) const {
    std::vector<std::shared_ptr<PhotoImage>> leaving;
    for (const auto& photo : book.Photos())
        if (names.contains(photo->GetName()))
            leaving.push_back(photo);
    for (const auto& photo : leaving)
        book.RemovePhoto(photo);
}

void PoolChange::Hold(const Book& book) const {
    for (const QString& name : names)
        HeldPhotoFiles::Hold(book.GetBookFolder(), name);
}

// ---- pages

AddPageCommand::AddPageCommand(Book& book, const QString& name) : BookCommand(book, name) {}

void AddPageCommand::redo() {
    mBook.AddNewPage();
    mOutcome.page = mBook.PagesCount() - 1;
    Save();
}

void AddPageCommand::undo() {
    mBook.RemovePage(mBook.PagesCount() - 1);
    Save();
}

DeletePageCommand::DeletePageCommand(Book& book, int index, const QString& name)
    : BookCommand(book, name), mIndex(index), mForm(book.GetPage(index)->Serialize()) {}

void DeletePageCommand::redo() {
    mBook.RemovePage(mIndex);
    Save();
}

void DeletePageCommand::undo() {
    mBook.InsertPage(mIndex, mForm);
    mOutcome = {mIndex, true};
    Save();
}

SwapPagesCommand::SwapPagesCommand(Book& book, int a, int b, const QString& name)
    : BookCommand(book, name), mA(a), mB(b) {}

void SwapPagesCommand::redo() {
    mBook.SwapPages(mA, mB);
    Save();
}

void SwapPagesCommand::undo() { redo(); }

MovePagesCommand::MovePagesCommand(Book& book, int first, int count, int before,
                                   const QString& name)
    : BookCommand(book, name), mFirst(first), mCount(count), mBefore(before) {}

void MovePagesCommand::redo() {
    mBook.MovePages(mFirst, mCount, mBefore);
    Save();
}

// The moved pages stand at `before` (moved forward) or just before it
// (moved back); they go back to stand where they were.
void MovePagesCommand::undo() {
    if (mBefore < mFirst)
        mBook.MovePages(mBefore, mCount, mFirst + mCount);
    else
        mBook.MovePages(mBefore - mCount, mCount, mFirst);
    Save();
}

// ---- page contents

PagesCommand::PagesCommand(Book& book, const QString& name, PageForms before, PageForms after,
                           PoolChange imported)
    : BookCommand(book, name), mBefore(std::move(before)), mAfter(std::move(after)),
      mImported(std::move(imported)) {}

// Photos come back into the folder before "book.pbx" names them, and leave
// it after: a crash in between leaves no page without its photo.
void PagesCommand::redo() {
    if (Repeating()) {
        mImported.Bring(mBook);
        mOutcome = {mBook.RestorePages(mAfter), true};
    }
    Save();
}

void PagesCommand::undo() {
    mOutcome = {mBook.RestorePages(mBefore), true};
    mImported.Take(mBook);
    Save();
    mImported.Hold(mBook);
}

DeletePhotosCommand::DeletePhotosCommand(Book& book, PoolChange deleted, const QString& name)
    : BookCommand(book, name), mDeleted(std::move(deleted)) {}

void DeletePhotosCommand::redo() {
    mDeleted.Take(mBook);
    Save();
    mDeleted.Hold(mBook);
}

void DeletePhotosCommand::undo() {
    mDeleted.Bring(mBook);
    mOutcome.inBookOrder = true;
    Save();
}
