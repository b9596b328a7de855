#pragma once

#include "base/Result.h"
#include "model/ModelContext.h"
#include "model/PoolRecord.h"

#include <QDateTime>
#include <QFuture>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class FileWriteQueue;
class Page;
class PhotoImage;
class PhotoImageList;

// The text forms of some pages of a book (as "book.pbx" stores them), by
// index, and how many pages the book has with them.
struct PageForms {
    int count = 0;
    std::map<int, QString> forms;
    bool operator==(const PageForms&) const = default;
};

// One photo book: a name and folder, its pages in book order, its photo pool
// and the numbers of the orders it was sent under. The page shown is the
// session's (BookSession), not the book's.
//
// Files: "<books>/book.ini" (the last named book), "<books>/<name>/book.pbx"
// (the pages), "<books>/<name>/order.pbx" (order numbers) and the photo files.
class Book : public QObject {
    Q_OBJECT
public:
    using PagePtr = std::shared_ptr<Page>;
    using PhotoPtr = std::shared_ptr<PhotoImage>;
    // Renders one page into a JPEG file; may throw.
    using PreviewPageWriter = std::function<void(const Page& aPage, const QString& jpgPath)>;
    // Called after each page with its index and the last index.
    using PreviewProgress = std::function<void(int index, int last)>;

    // A new book of 20 pages with the catalogue's default template, numbered 1 to 20.
    explicit Book(const QString& booksFolder, const ModelContext& context = {},
                  QObject* parent = nullptr);
    ~Book() override;

    static QString GetBookType() { return QStringLiteral("2_290_212"); }
    static int GetMinPages() { return 20; }
    static int GetMaxPages() { return 100; }
    // Younger leftovers may belong to a write still going on (another import).
    static constexpr int kLeftoverAgeSeconds = 600;

    // books folder + name + "/".
    QString GetBookFolder() const;
    // Takes the name, creates its folder and rewrites "book.ini" (left alone
    // when the folder cannot be made); disk errors are ignored. A name that
    // would leave the books folder is refused (false).
    bool SetName(const QString& name);
    // A new book on disk: takes the name, makes the folder, writes "book.pbx"
    // and then "book.ini". Throws LumbraError, leaving no folder and
    // "book.ini" as it was.
    void CreateOnDisk(const QString& name);
    const QString& GetName() const { return mName; }
    const QString& GetOrderIds() const { return mOrderIds; }

    // How an opening treats what an earlier run left in the folder.
    enum class Opening {
        Tidy, // the window's opening: leftovers and held files are deleted
        Keep, // the command line's (preview, print, ...): nothing is deleted
    };
    // Reads "order.pbx", the photo pool with its records and "book.pbx";
    // missing files leave the defaults. Photos without a record (of a book
    // from before records) are measured once off this thread: the window's
    // opening goes on and their pages raise changed when the records come;
    // the command line's waits for them. Held files of photos "book.pbx" names come back into the
    // folder first (HeldPhotoFiles::Settle); a tidy opening then deletes the
    // other held files and leftovers of interrupted writes older than
    // kLeftoverAgeSeconds (BookFiles::RemoveLeftovers). Stored pages replace
    // slots 0.. and are numbered on from the counter; beyond the slots they are appended.
    void LoadBook(Opening opening = Opening::Tidy);
    // Deletes the book's files and folder, after the saves asked for; errors are ignored.
    void Remove();
    // Hands writePage the files "PG1.jpg", "PG2.jpg", ... of outputFolder/name;
    // a page that fails is skipped. Makes no folder (the writer does). Returns
    // that folder, for the caller to show.
    QString PreviewBook(const QString& outputFolder, const PreviewPageWriter& writePage,
                        const PreviewProgress& progress = {}) const;
    // Takes the pages as they are now for "book.pbx" and raises saved(); the
    // file is written off the UI thread, after the saves asked before, through
    // a temporary file and a rename (a crash leaves the previous file or this
    // one). Saves asked while one waits are written once, as the last one. A
    // failed write raises saveFailed from the event loop (or WaitForSaves).
    void SaveBook() const;
    // Blocks until every save, record and file change asked for so far is on disk;
    // failures not reported yet raise saveFailed now. The first of them, if
    // any. Called before the book's files are read, moved or replaced.
    Result<void> WaitForSaves() const;
    // Stamps a photo's "_or.jpg" with the moment it joined the book
    // (BookFiles::MarkImported) and writes its record, off the UI thread, in
    // order with the saves.
    void MarkImported(const QString& photoName, const QDateTime& when,
                      const std::optional<PoolRecord>& record = {}) const;

    void AddNewPage();
    // Throws LumbraError for an index outside the pages.
    void RemovePage(int index);
    void SwapPages(int a, int b);
    // Moves pages [first, first + count) to stand before the page now at
    // `before` (PagesCount(): to the end); nothing when that is where they
    // are. Throws LumbraError for indices outside the pages.
    void MovePages(int first, int count, int before);
    // Throws LumbraError for an index outside the pages.
    PagePtr GetPage(int index) const;
    int PagesCount() const { return int(mPages.size()); }

    PhotoImageList& Photos() { return *mPhotos; }
    const PhotoImageList& Photos() const { return *mPhotos; }
    // Takes the photo out of the pool; touches no file.
    void RemovePhoto(const PhotoPtr& photo);

    int GetFirstPageWithMissingPicture() const;
    int GetFirstPageWithImageTooSmall() const;

    // Appends the number and rewrites "order.pbx"; throws LumbraError on a
    // write failure, leaving the numbers as they were.
    void AddOrderId(const QString& orderId);

    bool AllowNewPage() const { return PagesCount() < GetMaxPages(); }

    // The page's index; -1 for a page of no book or another book.
    int IndexOf(const Page& aPage) const;
    // Undo support. The forms of the pages at `indices` (those the book has).
    PageForms FormsOf(const std::vector<int>& indices) const;
    // Brings the book to `target.count` pages (the last ones go or come,
    // read from `target`, default pages where it has no form) and reads
    // every page of `target` whose form differs from the book's. Photos that
    // leave pages stand on no page, and the page events are raised; no
    // save. Returns the first page read anew, -1 when none.
    int RestorePages(const PageForms& target);
    // Reads a page from its form and puts it before the page now at `index`
    // (PagesCount(): at the end). Throws LumbraError for an index outside.
    void InsertPage(int index, const QString& form);

signals:
    void pageAdded();
    void pageDeleted(int pageCount);
    void pageChanged(int index);
    // The pages have just been taken for "book.pbx" (SaveBook).
    void saved() const;
    // Writing "book.pbx" failed (WriteSnapshot and CreateOnDisk throw as
    // well); the translated message names the file and the system's reason.
    void saveFailed(const QString& message) const;

private:
    // A photo's name and the record made for it.
    struct NamedRecord {
        QString name;
        std::optional<PoolRecord> record;
    };

    PagePtr MakeDefaultPage() const;
    void NumberPage(Page& aPage);
    void AppendPage(const PagePtr& aPage);
    // Returns the names of the photos without a record.
    QStringList RebuildPhotoPool();
    // Photos the pages name whose full-size file is gone join the pool,
    // marked (PhotoImage::FileMissing), so that no page loses them.
    void KeepMissingPhotos(const QString& joined);
    // Measures the photos and writes their records, on the global pool;
    // with `wait`, before returning.
    void RecordPhotos(const QStringList& names, bool wait);
    void ApplyRecords(const std::vector<NamedRecord>& records);
    void ReadPages(const QString& joined);
    // The text form of every page, as "book.pbx" holds them.
    QStringList PageTexts() const;
    // At once, on this thread; throws LumbraError (saveFailed is raised).
    void WritePageTexts(const QStringList& pageTexts) const;
    PagePtr ReadPage(const QString& form) const;
    QString StateFilePath() const;

    QString mBooksFolder;
    ModelContext mContext;
    std::unique_ptr<PhotoImageList> mPhotos;
    std::vector<PagePtr> mPages;
    QString mName;
    QString mOrderIds;
    int mPageCounter = 0;
    FileWriteQueue* mWrites; // a child: its destruction writes what waits
    mutable QFuture<std::vector<NamedRecord>> mRecording; // waited for: it writes files
};
