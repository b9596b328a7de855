#pragma once

#include "imaging/PhotoImageFiles.h"
#include "model/PoolRecord.h"

#include <QDateTime>
#include <QFuture>
#include <QObject>
#include <QStringList>
#include <QThreadPool>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

class Book;
class PhotoImage;

// What one file of an import came to, reported in the order the files were queued.
struct PhotoImportOutcome {
    enum class Status { Added, AlreadyExists, Unsupported, Failed };
    Status status = Status::Failed;
    QString path;
    QString key;                       // the path's photo key
    std::shared_ptr<PhotoImage> photo; // Added: the photo, in its book's photo list
    std::weak_ptr<Book> book;          // the book the file was queued for
    std::optional<Failure> failure;    // Failed: why
    PhotoRefusal refusal;              // Unsupported: why
    quint64 batch = 0;                 // what Add returned for the file
    int handled = 0;                   // files reported since the queue was last idle
    int total = 0;                     // files queued since the queue was last idle
};

// The one pool every import of the process runs on: one thread per core
// but one, which stays with the user interface thread.
QThreadPool& ImportThreadPool();

// Imports photo files into books. The decoding, file making and measuring
// run on ImportThreadPool (RunPhotoImport and MeasurePhoto through
// RunInBackground): a photo joins its book with its record. The outcomes are applied and reported
// on the owner's thread strictly in queue order: an added photo joins its book's photo list just
// before FileDone reports it. A path queued for the book already is reported AlreadyExists; so is
// one whose key the book already has when that photo's files are whole. Damaged or missing files of
// such a photo are made anew under its name, and the path is reported Added (with no `photo`: the
// book's list has it already). A file goes on into the book it was queued for even when the current
// book changes meanwhile; its files stay in that book's folder.
class PhotoImportQueue : public QObject {
    Q_OBJECT
public:
    // threads: how many files of this queue are worked on at once (0: as
    // many as the import pool has threads).
    explicit PhotoImportQueue(int threads = 0, QObject* parent = nullptr);
    // Waits for the files being worked on; files not started are dropped.
    ~PhotoImportQueue() override;

    // Queues the files; their outcomes carry the returned batch number.
    quint64 Add(const QStringList& paths, const std::shared_ptr<Book>& book);
    bool IsBusy() const { return !mEntries.empty(); }

signals:
    void fileDone(const PhotoImportOutcome& outcome);
    // Every queued file has been reported.
    void finished();

private:
    // What the pool made of one file: its files, and the record of a photo
    // whose files were made.
    struct Work {
        PhotoImportResult made;
        std::optional<PoolRecord> record;
    };
    struct Entry {
        enum class State { Known, Waiting, Running, Done };
        State state = State::Waiting; // Known: AlreadyExists, no work
        quint64 id = 0;
        quint64 batch = 0;
        QString path;
        QString key;
        std::weak_ptr<Book> book;
        QString bookFolder;
        std::shared_ptr<PhotoImage> photo; // begun on this thread, files made on the pool
        bool inBook = false;               // `photo` is the book's own, checked for repair
        Work work;
    };

    bool IsQueued(const QString& key, const std::shared_ptr<Book>& book) const;
    // Reports the finished head of the queue, then starts waiting files.
    void Pump();
    void ReportReady();
    void StartMore();
    int Running() const;
    void Start(Entry& entry);
    void OnFilesMade(quint64 id, const Work& work);
    PhotoImportOutcome Apply(Entry& entry);
    void ApplyNew(Entry& entry, PhotoImportOutcome& out);

    int mThreads;
    std::vector<QFuture<Work>> mRunning; // waited for on destruction
    std::deque<Entry> mEntries;
    quint64 mNextId = 0;
    quint64 mNextBatch = 1;
    int mHandled = 0;
    int mTotal = 0;
    QDateTime mLastMark = QDateTime::fromMSecsSinceEpoch(0, Qt::UTC); // of the last added photo
};
