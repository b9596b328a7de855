#include "model/PhotoImportQueue.h"

#include "base/BackgroundWork.h"
#include "base/Md5.h"
#include "model/Book.h"
#include "model/BookFiles.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

QThreadPool& ImportThreadPool() {
    static QThreadPool* const pool = [] {
        auto* made = new QThreadPool(QCoreApplication::instance());
        // One core stays with the user interface thread.
        made->setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
        return made;
    }();
    return *pool;
}

PhotoImportQueue::PhotoImportQueue(int threads, QObject* parent)
    : QObject(parent), mThreads(threads) {}

// The running jobs write files: wait for them. Their watchers go with this
// object, so no result is delivered any more.
PhotoImportQueue::~PhotoImportQueue() {
    for (QFuture<Work>& running : mRunning)
        running.waitForFinished();
}

quint64 PhotoImportQueue::Add(const QStringList& paths, const std::shared_ptr<Book>& book) {
    if (!book)
        return 0;
    const quint64 batch = mNextBatch++;
    const Md5 md5;
    for (const QString& path : paths) {
        Entry entry;
        entry.id = mNextId++;
        entry.batch = batch;
        entry.path = path;
        entry.key = md5.Hash(path);
        entry.book = book;
        entry.bookFolder = book->GetBookFolder();
        if (IsQueued(entry.key, book))
            entry.state = Entry::State::Known;
        else if ((entry.photo = book->Photos().Find(entry.key)))
            entry.inBook = true;
        mEntries.push_back(std::move(entry));
        ++mTotal;
    }
    Pump();
    return batch;
}

bool PhotoImportQueue::IsQueued(const QString& key, const std::shared_ptr<Book>& book) const {
    for (const Entry& e : mEntries)
        if (e.state != Entry::State::Known && e.key == key && e.book.lock() == book)
            return true;
    return false;
}

void PhotoImportQueue::Pump() {
    ReportReady();
    StartMore();
}

int PhotoImportQueue::Running() const {
    return int(std::count_if(mEntries.begin(), mEntries.end(),
                             [](const Entry& e) { return e.state == Entry::State::Running; }));
}

void PhotoImportQueue::StartMore() {
    int running = Running();
    const int limit = mThreads > 0 ? mThreads : ImportThreadPool().maxThreadCount();
    for (Entry& entry : mEntries) {
        if (running >= limit)
            return;
        if (entry.state == Entry::State::Waiting) {
            Start(entry);
            ++running;
        }
    }
}

void PhotoImportQueue::Start(Entry& entry) {
    PhotoImportJob job;
    if (entry.inBook) {
        job = entry.photo->RepairJob(entry.path, entry.bookFolder);
    } else {
        entry.photo = std::make_shared<PhotoImage>();
        job = entry.photo->BeginImport(entry.path, entry.bookFolder);
    }
    const quint64 id = entry.id;
    entry.state = Entry::State::Running;
    std::erase_if(mRunning, [](const QFuture<Work>& f) { return f.isFinished(); });
    // A repaired photo is recorded at once, with its file's time; a new one
    // when it joins the book, which gives the time.
    const bool repair = entry.inBook;
    mRunning.push_back(RunInBackground(
        this,
        [job, repair] {
            Work work{RunPhotoImport(job), std::nullopt};
            if (work.made.supported && !work.made.kept)
                work.record =
                    repair ? RecordPhoto(job.stem) : MeasurePhoto(job.stem, NoCameraTime::Unknown);
            return work;
        },
        [this, id](const Work& work) { OnFilesMade(id, work); }, &ImportThreadPool()));
}

void PhotoImportQueue::OnFilesMade(quint64 id, const Work& work) {
    for (Entry& entry : mEntries) {
        if (entry.id == id) {
            entry.state = Entry::State::Done;
            entry.work = work;
            break;
        }
    }
    Pump();
}

void PhotoImportQueue::ReportReady() {
    while (!mEntries.empty()) {
        const Entry::State head = mEntries.front().state;
        if (head != Entry::State::Known && head != Entry::State::Done)
            return;
        Entry entry = std::move(mEntries.front());
        mEntries.pop_front();
        ++mHandled;
        const PhotoImportOutcome outcome = Apply(entry);
        emit fileDone(outcome);
    }
    if (mTotal > 0) {
        mHandled = 0;
        mTotal = 0;
        emit finished();
    }
}

PhotoImportOutcome PhotoImportQueue::Apply(Entry& entry) {
    using Status = PhotoImportOutcome::Status;
    PhotoImportOutcome out;
    out.path = entry.path;
    out.key = entry.key;
    out.book = entry.book;
    out.batch = entry.batch;
    out.handled = mHandled;
    out.total = mTotal;
    const PhotoImportResult& made = entry.work.made;
    if (entry.state == Entry::State::Known || made.kept) {
        out.status = Status::AlreadyExists;
        return out;
    }
    // A photo of the book keeps its state unless its files were made anew.
    if (!entry.inBook || made.supported)
        entry.photo->EndImport(made.supported, entry.work.record);
    if (made.failure) {
        out.status = Status::Failed;
        out.failure = made.failure;
    } else if (!made.supported) {
        out.status = Status::Unsupported;
        out.refusal = made.refusal;
    } else if (entry.inBook) {
        out.status = Status::Added; // its files were damaged and are whole again
    } else {
        ApplyNew(entry, out);
    }
    return out;
}

void PhotoImportQueue::ApplyNew(Entry& entry, PhotoImportOutcome& out) {
    using Status = PhotoImportOutcome::Status;
    out.status = Status::Added;
    out.photo = entry.photo;
    if (const std::shared_ptr<Book> book = entry.book.lock()) {
        if (const auto existing = book->Photos().Find(entry.key)) {
            // the book got this photo meanwhile: drop the new copy, not the one it has
            if (existing->GetName() != entry.photo->GetName())
                entry.photo->Delete();
            out.status = Status::AlreadyExists;
            out.photo.reset();
        } else {
            book->Photos().Add(entry.photo);
        }
    }
    if (out.status == Status::Added) {
        // files made side by side finish in any order; the book reads them back in this one
        mLastMark = std::max(QDateTime::currentDateTimeUtc(), mLastMark.addMSecs(1));
        std::optional<PoolRecord> record = entry.work.record;
        if (record && !record->taken)
            record->taken = TakenSeconds(mLastMark); // the time the file is stamped with
        entry.photo->SetRecord(record);
        if (const std::shared_ptr<Book> book = entry.book.lock())
            book->MarkImported(entry.photo->GetName(), mLastMark, record);
    }
}
