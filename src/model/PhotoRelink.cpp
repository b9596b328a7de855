// Finding a photo's full-size file again.
#include "base/BackgroundWork.h"
#include "model/Book.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "model/PhotoImage.h"

#include <QCoreApplication>

namespace {

struct Relinked {
    PhotoImportResult made;
    std::optional<PoolRecord> record;
};

} // namespace

void BookSession::RelinkPhoto(const std::shared_ptr<PhotoImage>& photo, const QString& file) {
    const std::shared_ptr<Book> book = CurrentBook();
    if (!book || !photo || !photo->FileMissing())
        return;
    PhotoImportJob job = photo->RepairJob(file, book->GetBookFolder());
    job.keepWhole = false; // the thumbnails left may be of the file that is gone
    const std::weak_ptr<Book> weakBook = book;
    RunInBackground(
        this,
        [job] {
            Relinked relinked{RunPhotoImport(job), std::nullopt};
            if (relinked.made.supported)
                relinked.record = RecordPhoto(job.stem);
            return relinked;
        },
        [this, photo, weakBook](const Relinked& relinked) {
            const std::shared_ptr<Book> book = weakBook.lock();
            if (!book || book != CurrentBook())
                return; // another book is open now
            QString failure;
            if (relinked.made.failure)
                failure = relinked.made.failure->message;
            else if (!relinked.made.supported || !relinked.record)
                failure = PhotoRefusalText(
                    relinked.made.refusal,
                    QCoreApplication::translate("PhotoRelink", "Not a picture that can be taken"));
            if (failure.isEmpty()) {
                photo->EndImport(true, relinked.record);
                photo->SetFileMissing(false);
                photo->ChangeResolution();
                if (const std::shared_ptr<Page> page = photo->GetPage())
                    emit book->pageChanged(book->IndexOf(*page));
            }
            emit photoRelinked(photo, failure);
        });
}
