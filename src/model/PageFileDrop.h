#pragma once

#include "model/PhotoImportQueue.h"

#include <QObject>
#include <QStringList>

#include <deque>
#include <memory>

class Book;
class Page;

// Files dropped from the desktop onto a page. They are imported through a
// PhotoImportQueue it shares (the session's) into the book they were dropped
// for; as the
// queue reports each file, in file order, its photo (new or already in the
// book) is placed at the drop point, so the last one stays in the box and
// the ones before it go to the photos pane. A file that cannot be imported
// is left out. After the last file of a drop the book is saved once.
// UI thread only.
class PageFileDrop : public QObject {
    Q_OBJECT
public:
    // Imports through `queue`, which must outlive the drop; the queue's
    // other files are left alone.
    explicit PageFileDrop(PhotoImportQueue& queue, QObject* parent = nullptr);

    // Drops the files at (x, y) mm of the page. Nothing without a book, a
    // page or a file.
    void Drop(const std::shared_ptr<Book>& book, const std::shared_ptr<Page>& page,
              const QStringList& files, float x, float y);
    bool IsBusy() const { return !mDrops.empty(); }

signals:
    // Every file of one drop was placed or left out, and the book was saved
    // (a failed save is logged). `added`: the names of the photos the drop
    // brought into the book's pool.
    void dropDone(const QStringList& added);

private:
    struct PendingDrop {
        std::shared_ptr<Book> book;
        std::shared_ptr<Page> page;
        float x = 0;
        float y = 0;
        quint64 batch = 0;
        int remaining = 0; // files not reported yet
        QStringList added;
    };

    void OnFileDone(const PhotoImportOutcome& outcome);
    static void Place(PendingDrop& drop, const PhotoImportOutcome& outcome);
    static void Save(Book& book);

    PhotoImportQueue& mImport;
    std::deque<PendingDrop> mDrops; // in the queue's order
};
