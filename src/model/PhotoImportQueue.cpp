#include "model/PhotoImportQueue.h"

#include "images/PhotoImage.h"
#include "images/PhotoImageList.h"
#include "model/Book.h"
#include "shell/CMD5.h"

#include <QThread>

#include <algorithm>

PhotoImportQueue::PhotoImportQueue(int threads, QObject* parent) : QObject(parent) {
    mPool.setMaxThreadCount(threads > 0 ? threads : std::max(1, QThread::idealThreadCount()));
}

PhotoImportQueue::~PhotoImportQueue() { mPool.waitForDone(); }

void PhotoImportQueue::Add(const QStringList& paths, const std::shared_ptr<Book>& book) {
    if (!book)
        return;
    const CMD5 md5;
    for (const QString& path : paths) {
        Entry entry;
        entry.path = path;
        entry.key = md5.MD5(path);
        entry.book = book;
        entry.bookFolder = book->GetBookFolder();
        entry.known = book->Photos().Find(entry.key) || IsQueued(entry.key, book);
        mEntries.push_back(std::move(entry));
        ++mTotal;
    }
    Pump();
}

bool PhotoImportQueue::IsQueued(const QString& key, const std::shared_ptr<Book>& book) const {
    for (const Entry& e : mEntries)
        if (!e.known && e.key == key && e.book.lock() == book)
            return true;
    return false;
}

void PhotoImportQueue::Pump() {
    ReportReady();
    StartMore();
}

int PhotoImportQueue::Running() const {
    int running = 0;
    for (const Entry& e : mEntries)
        running += e.work && !e.work->future().isFinished();
    return running;
}

void PhotoImportQueue::StartMore() {
    int running = Running();
    for (Entry& entry : mEntries) {
        if (running >= mPool.maxThreadCount())
            return;
        if (entry.known || entry.work)
            continue;
        entry.work = std::make_unique<QFutureWatcher<ImportedFile>>();
        connect(entry.work.get(), &QFutureWatcherBase::finished, this, &PhotoImportQueue::Pump);
        entry.work->setFuture(StartPhotoImport(&mPool, entry.path, entry.bookFolder));
        ++running;
    }
}

void PhotoImportQueue::ReportReady() {
    while (!mEntries.empty()) {
        Entry& head = mEntries.front();
        if (!head.known && !(head.work && head.work->future().isFinished()))
            return;
        Entry entry = std::move(head);
        mEntries.pop_front();
        ++mHandled;
        const PhotoImportOutcome outcome = Apply(entry);
        emit FileDone(outcome);
    }
    if (mTotal > 0) {
        mHandled = 0;
        mTotal = 0;
        emit Finished();
    }
}

PhotoImportOutcome PhotoImportQueue::Apply(Entry& entry) {
    PhotoImportOutcome out;
    out.path = entry.path;
    out.book = entry.book;
    out.handled = mHandled;
    out.total = mTotal;
    if (entry.known) {
        out.status = PhotoImportOutcome::Status::AlreadyExists;
        return out;
    }
    ImportedFile done = entry.work->result();
    switch (done.result) {
    case ImportedFile::Result::Unsupported:
        out.status = PhotoImportOutcome::Status::Unsupported;
        return out;
    case ImportedFile::Result::Failed:
        out.status = PhotoImportOutcome::Status::Failed;
        out.error = done.error;
        return out;
    case ImportedFile::Result::Imported:
        break;
    }
    out.status = PhotoImportOutcome::Status::Added;
    out.photo = done.photo;
    if (const std::shared_ptr<Book> book = entry.book.lock()) {
        if (const auto node = book->Photos().Find(done.photo->GetKey())) {
            // the book got this photo meanwhile: drop the new copy, not the one it has
            if (node->item() && node->item()->GetName() != done.photo->GetName())
                done.photo->Delete();
            out.status = PhotoImportOutcome::Status::AlreadyExists;
            out.photo.reset();
        } else {
            book->Photos().Add(done.photo);
        }
    }
    return out;
}
