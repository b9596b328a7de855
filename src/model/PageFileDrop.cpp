#include "model/PageFileDrop.h"

#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/ModelLog.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

PageFileDrop::PageFileDrop(PhotoImportQueue& queue, QObject* parent)
    : QObject(parent), mImport(queue) {
    connect(&mImport, &PhotoImportQueue::fileDone, this, &PageFileDrop::OnFileDone);
}

void PageFileDrop::Drop(const std::shared_ptr<Book>& book, const std::shared_ptr<Page>& page,
                        const QStringList& files, float x, float y) {
    if (!book || !page || files.isEmpty())
        return;
    PendingDrop& drop =
        mDrops.emplace_back(PendingDrop{book, page, x, y, 0, int(files.size()), {}});
    drop.batch = mImport.Add(files, book);
}

void PageFileDrop::OnFileDone(const PhotoImportOutcome& outcome) {
    if (mDrops.empty() || outcome.batch != mDrops.front().batch)
        return;
    PendingDrop& drop = mDrops.front();
    Place(drop, outcome);
    if (--drop.remaining > 0)
        return;
    const std::shared_ptr<Book> book = drop.book;
    const QStringList added = std::move(drop.added);
    mDrops.pop_front();
    Save(*book);
    emit dropDone(added);
}

// The queue has applied the outcome: a photo with the file's key is in the
// book now unless the file could not be imported.
void PageFileDrop::Place(PendingDrop& drop, const PhotoImportOutcome& outcome) {
    if (outcome.status == PhotoImportOutcome::Status::Added && outcome.photo)
        drop.added << outcome.photo->GetName();
    if (outcome.failure) // a drop shows no import status
        LogFailure(lcModel(), QStringLiteral("Importing a dropped file ") + outcome.path,
                   *outcome.failure);
    const std::shared_ptr<PhotoImage> photo = drop.book->Photos().Find(outcome.key);
    if (!photo)
        return;
    try {
        drop.page->AddPhoto(photo, drop.x, drop.y);
    } catch (const LumbraError&) {
        LogCaughtException(lcModel(), "Placing a dropped photo");
    }
}

void PageFileDrop::Save(Book& book) {
    try {
        book.SaveBook();
    } catch (const LumbraError&) {
        LogCaughtException(lcModel(), "Saving the book after a drop");
    }
}
