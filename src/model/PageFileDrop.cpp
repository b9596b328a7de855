#include "model/PageFileDrop.h"

#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/ModelLog.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

PageFileDrop::PageFileDrop(int threads, QObject* parent) : QObject(parent), mImport(threads) {
    connect(&mImport, &PhotoImportQueue::fileDone, this, &PageFileDrop::OnFileDone);
}

void PageFileDrop::Drop(const std::shared_ptr<Book>& book, const std::shared_ptr<Page>& page,
                        const QStringList& files, float x, float y) {
    if (!book || !page || files.isEmpty())
        return;
    mDrops.push_back(PendingDrop{book, page, x, y, int(files.size())});
    mImport.Add(files, book);
}

void PageFileDrop::OnFileDone(const PhotoImportOutcome& outcome) {
    if (mDrops.empty())
        return;
    PendingDrop& drop = mDrops.front();
    Place(drop, outcome);
    if (--drop.remaining > 0)
        return;
    const std::shared_ptr<Book> book = drop.book;
    mDrops.pop_front();
    Save(*book);
    emit dropDone();
}

// The queue has applied the outcome: a photo with the file's key is in the
// book now unless the file could not be imported.
void PageFileDrop::Place(const PendingDrop& drop, const PhotoImportOutcome& outcome) {
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
