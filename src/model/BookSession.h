#pragma once

#include "model/BackgroundApply.h"
#include "model/Book.h"
#include "model/BookFill.h"
#include "model/PageFileDrop.h"
#include "model/PhotoImportQueue.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QUndoStack>

#include <QHash>

#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class BookCommand;
class BookManager;
class Page;
class PhotoImage;
struct PoolChange;

// The work on the current book, one object that follows the book manager's
// current book: the import queue (one for the photos pane and the pages'
// file drops, on the process's one import pool), every user operation as a
// step of the undo stack (BookCommands), and the photo pool's changes,
// announced by signals for the photos pane. Widgets ask the session; they
// hold no workflow. After each step, undo, redo and imported file the
// session works out which photos of the pool stand on no page and
// announces those that came and went (photoShown, photoHidden).
//
// Photos a step took out of the pool keep their files (HeldPhotoFiles)
// while a step on the stack may bring them back. The stack is cleared, and
// held files deleted, when the book changes or the program quits.
// UI thread only.
class BookSession : public QObject {
    Q_OBJECT
public:
    explicit BookSession(BookManager& books, QObject* parent = nullptr);
    ~BookSession() override;

    std::shared_ptr<Book> CurrentBook() const;
    QUndoStack& Stack() { return mStack; }
    PhotoImportQueue& Imports() { return mImports; }

    // ---- photos
    // Imports files into the current book for the photos pane: photoImported
    // for each, in file order; once all are in, one step and importsFinished.
    void ImportPhotos(const QStringList& files);
    bool IsImporting() const { return mPaneFiles > 0; }
    // Imports the files and places them at (x, y) mm of the page
    // (PageFileDrop); one step and dropDone once they are placed.
    void DropFiles(const std::shared_ptr<Page>& page, const QStringList& files, float x, float y);
    bool IsDropping() const { return mFileDrop.IsBusy(); }
    // Takes a photo standing on no page out of the pool; its files wait for a redo.
    void DeletePhoto(const std::shared_ptr<PhotoImage>& photo);
    // Back to the photos pane; false when it stands on no page.
    bool TakePhotoOff(const std::shared_ptr<PhotoImage>& photo);
    // A photo whose full-size file is gone gets its files anew, under its own
    // name, from `file`, off the UI thread; photoRelinked tells how it went.
    void RelinkPhoto(const std::shared_ptr<PhotoImage>& photo, const QString& file);

    // ---- pages (indices of the current book; outside ones throw LumbraError)
    void AddPage();
    void DeletePage(int index);
    void SwapPages(int a, int b);
    void MovePages(int first, int count, int before);
    // A photo key, "T:" and a template or "bg:" and a background dropped at
    // (x, y) mm of the page; throws LumbraError for a bad template.
    void DropOnPage(Page& aPage, const QString& text, float x, float y);
    void SetBackground(const QString& name, BackgroundPages which);
    FillResult Fill(const std::vector<std::shared_ptr<PhotoImage>>& photos,
                    const Templates& catalogue);
    void EditText(Page& aPage, int index, const QString& text);
    // The photo editor changes its photo as the user drags; on closing it
    // hands the page's form from its opening, and the change is one step.
    void PhotoEdited(const Page& aPage, const QString& formBefore);

    // ---- the page shown (view state, not stored). In the two-page view the
    // pairs are (-1, 0), (1, 2), (3, 4), ...; 0 without a book.
    int PageIndex() const;
    int LeftPageIndex() const { return PageIndex() % 2 == 1 ? PageIndex() : PageIndex() - 1; }
    int RightPageIndex() const { return LeftPageIndex() + 1; }
    // Shows the page, clamped to the book's pages; pageIndexChanged.
    void ShowPage(int index);

signals:
    // The photo stands on no page now; inBookOrder: its tile goes where the
    // book's photo order puts it, else last.
    void photoShown(const std::shared_ptr<PhotoImage>& photo, bool inBookOrder);
    // The photo entered a page or left the pool.
    void photoHidden(const std::shared_ptr<PhotoImage>& photo);
    // Photos joined or left the current book's pool.
    void poolChanged();
    void photoImported(const PhotoImportOutcome& outcome);
    void importsFinished();
    void dropDone();
    // RelinkPhoto ended; `failure` is empty when the photo has its file again.
    void photoRelinked(const std::shared_ptr<PhotoImage>& photo, const QString& failure);
    // Another page is shown, or the pages shown changed place.
    void pageIndexChanged();

private:
    struct DropStep {
        std::weak_ptr<Book> book;
        std::weak_ptr<Page> page;
        QString before; // the page's form at the drop
    };

    void Attach();
    void Detach();
    // Runs a change of the pages at `indices` (and of any page it adds) and
    // makes it one step; nothing when the pages did not change.
    void ChangePages(const QString& name, const std::vector<int>& indices,
                     const std::function<void()>& change);
    void Push(QUndoCommand* command);
    // A step that makes its change on its first redo: the pool is taken as
    // it stands first.
    void PushStep(QUndoCommand* command);
    PoolChange Imported(const QStringList& names) const;
    void OnFileDone(const PhotoImportOutcome& outcome);
    void OnDropDone(const QStringList& added);
    // Deletes the held files no step on the stack can bring back.
    void DropUnreachable();
    int IndexOf(const Page& aPage) const;
    // The index within the current book's pages; 0 without a book.
    int ClampedPage(int index) const;
    // After an undo or redo from the stack: the outcome of the step that ran.
    void OnStackIndex(int index);
    void AfterStep(BookCommand* command);
    // Announces the photos that came to stand on no page since the last
    // call (in the order they stood on the pages) and those that left it,
    // and poolChanged when the pool changed.
    void AnnouncePhotos(bool inBookOrder);
    // Takes the book's pool as announced, silently: on attaching a book and
    // before each change, so that a change compares with what it found.
    void NotePhotos();

    using PhotoPtr = std::shared_ptr<PhotoImage>;
    using BoxPlace = std::pair<int, int>; // page index, box

    BookManager& mBooks;
    QUndoStack mStack;
    int mStackIndex = 0;
    bool mPushing = false;
    // The current book's pool as last announced.
    std::vector<PhotoPtr> mPool;
    std::vector<PhotoPtr> mOffPage;
    QHash<const PhotoImage*, BoxPlace> mPlaces; // photos on pages: where they stood
    QPointer<Book> mBook;
    QMetaObject::Connection mPagesGone;
    int mPageIndex = 0;
    QString mFolder;
    PhotoImportQueue mImports;
    PageFileDrop mFileDrop{mImports};
    QSet<quint64> mPaneBatches;   // the photos pane's imports
    int mPaneFiles = 0;           // their files not reported yet
    QStringList mImportedForPane; // the photos they added so far
    std::deque<DropStep> mDrops;  // in the queue's order
};
