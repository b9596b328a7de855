#include "model/BookSession.h"

#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/BookCommands.h"
#include "model/BookManager.h"
#include "model/HeldPhotoFiles.h"
#include "model/Page.h"
#include "model/PageDrop.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/PhotoTakeOff.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace {

constexpr int kUndoLimit = 100;

std::vector<int> AllPages(const Book& book) {
    std::vector<int> indices(size_t(book.PagesCount()));
    std::iota(indices.begin(), indices.end(), 0);
    return indices;
}

// Empties the stack and deletes the held files nothing can bring back now.
void ClearSteps(QUndoStack& stack, const QString& folder) {
    stack.clear();
    if (!folder.isEmpty())
        HeldPhotoFiles::Settle(folder, true);
}

// The held photos of a command and of its children.
void AddHeldPhotos(const QUndoCommand& command, QSet<QString>& names) {
    if (const auto* step = dynamic_cast<const BookCommand*>(&command))
        for (const QString& name : step->HeldPhotos())
            names.insert(name);
    for (int i = 0; i < command.childCount(); ++i)
        AddHeldPhotos(*command.child(i), names);
}

} // namespace

BookSession::BookSession(BookManager& books, QObject* parent) : QObject(parent), mBooks(books) {
    mStack.setUndoLimit(kUndoLimit);
    connect(&mStack, &QUndoStack::indexChanged, this, &BookSession::OnStackIndex);
    connect(&mBooks, &BookManager::bookChanged, this, &BookSession::Attach);
    // The windows' last saves come after the quit: the book stays, its steps go.
    connect(&mBooks, &BookManager::quitting, this, [this] { ClearSteps(mStack, mFolder); });
    connect(&mImports, &PhotoImportQueue::fileDone, this, &BookSession::OnFileDone);
    connect(&mFileDrop, &PageFileDrop::dropDone, this, &BookSession::OnDropDone);
    Attach();
}

BookSession::~BookSession() { Detach(); }

std::shared_ptr<Book> BookSession::CurrentBook() const { return mBooks.GetBook(); }

void BookSession::Detach() {
    ClearSteps(mStack, mFolder);
    disconnect(mPagesGone);
    mBook = nullptr;
    mPageIndex = 0;
    mFolder.clear();
    mImportedForPane.clear(); // the pane's files still running go on into their own book
    NotePhotos();
}

void BookSession::Attach() {
    Detach();
    if (const std::shared_ptr<Book> book = mBooks.GetBook()) {
        mBook = book.get();
        mFolder = book->GetBookFolder();
        // The page shown went with the last pages: the new last one is shown.
        mPagesGone = connect(mBook, &Book::pageDeleted, this, [this] {
            if (mPageIndex != PageIndex())
                ShowPage(mPageIndex);
        });
    }
    NotePhotos();
}

void BookSession::Push(QUndoCommand* command) {
    mPushing = true;
    mStack.push(command);
    mPushing = false;
    mStackIndex = mStack.index();
    AfterStep(dynamic_cast<BookCommand*>(command));
    DropUnreachable();
}

void BookSession::PushStep(QUndoCommand* command) {
    NotePhotos();
    Push(command);
}

void BookSession::OnStackIndex(int index) {
    const int before = std::exchange(mStackIndex, index);
    if (mPushing)
        return;
    // An undo leaves the index at the step undone, a redo one past it.
    const int ran = index < before ? index : index - 1;
    AfterStep(ran >= 0 && ran < mStack.count()
                  ? dynamic_cast<BookCommand*>(const_cast<QUndoCommand*>(mStack.command(ran)))
                  : nullptr);
}

void BookSession::AfterStep(BookCommand* command) {
    const StepOutcome outcome = command ? command->TakeOutcome() : StepOutcome{};
    if (outcome.page >= 0)
        ShowPage(outcome.page);
    AnnouncePhotos(outcome.inBookOrder);
}

void BookSession::DropUnreachable() {
    if (mFolder.isEmpty())
        return;
    QSet<QString> reachable;
    for (int i = 0; i < mStack.count(); ++i)
        AddHeldPhotos(*mStack.command(i), reachable);
    // A save still on its way may name a photo whose files would go.
    HeldPhotoFiles::Purge(mFolder, reachable, [this] {
        if (mBook)
            mBook->WaitForSaves();
    });
}

int BookSession::ClampedPage(int index) const {
    return mBook ? std::clamp(index, 0, std::max(mBook->PagesCount() - 1, 0)) : 0;
}

int BookSession::PageIndex() const { return ClampedPage(mPageIndex); }

void BookSession::ShowPage(int index) {
    if (!mBook)
        return;
    mPageIndex = ClampedPage(index);
    emit pageIndexChanged();
}

int BookSession::IndexOf(const Page& aPage) const {
    const int index = mBook ? mBook->IndexOf(aPage) : -1;
    if (index < 0)
        throw LumbraError(QStringLiteral("The page is not one of the current book"));
    return index;
}

PoolChange BookSession::Imported(const QStringList& names) const {
    PoolChange change{names, {}};
    for (const auto& photo : mBook->Photos())
        change.order << photo->GetName();
    return change;
}

// ---- importing

void BookSession::ImportPhotos(const QStringList& files) {
    const std::shared_ptr<Book> book = CurrentBook();
    if (!book || files.isEmpty())
        return;
    mPaneFiles += int(files.size());
    mPaneBatches.insert(mImports.Add(files, book));
}

void BookSession::OnFileDone(const PhotoImportOutcome& outcome) {
    AnnouncePhotos(false); // a photo imported, or placed by a drop
    if (!mPaneBatches.contains(outcome.batch))
        return;
    const bool forThisBook = mBook && outcome.book.lock().get() == mBook.data();
    if (forThisBook && outcome.status == PhotoImportOutcome::Status::Added && outcome.photo)
        mImportedForPane << outcome.photo->GetName();
    emit photoImported(outcome);
    if (--mPaneFiles > 0)
        return;
    mPaneBatches.clear();
    mPaneFiles = 0;
    const QStringList added = std::exchange(mImportedForPane, {});
    if (mBook && !added.isEmpty()) {
        const PageForms pages{mBook->PagesCount(), {}};
        Push(new PagesCommand(*mBook, tr("Import Photos"), pages, pages, Imported(added)));
    }
    emit importsFinished();
}

void BookSession::DropFiles(const std::shared_ptr<Page>& page, const QStringList& files, float x,
                            float y) {
    const std::shared_ptr<Book> book = CurrentBook();
    if (!book || !page || files.isEmpty())
        return;
    IndexOf(*page); // a page of the current book
    mDrops.push_back(DropStep{book, page, page->Serialize()});
    mFileDrop.Drop(book, page, files, x, y);
}

void BookSession::OnDropDone(const QStringList& added) {
    if (mDrops.empty())
        return;
    const DropStep drop = std::move(mDrops.front());
    mDrops.pop_front();
    const std::shared_ptr<Page> page = drop.page.lock();
    const int index = page && mBook ? mBook->IndexOf(*page) : -1;
    if (index >= 0 && drop.book.lock().get() == mBook.data()) {
        // steps made while the files were imported stay as they are
        const PageForms after = mBook->FormsOf({index});
        PageForms before{after.count, {{index, drop.before}}};
        if (after != before || !added.isEmpty())
            Push(new PagesCommand(*mBook, tr("Place Photo"), std::move(before), after,
                                  Imported(added)));
    }
    emit dropDone();
}

void BookSession::DeletePhoto(const std::shared_ptr<PhotoImage>& photo) {
    if (!mBook || !photo || photo->GetPage() || !mBook->Photos().Find(photo->GetKey()))
        return;
    PoolChange deleted{{photo->GetName()}, {}};
    for (const auto& each : mBook->Photos())
        deleted.order << each->GetName();
    PushStep(new DeletePhotosCommand(*mBook, deleted, tr("Delete Photo")));
}

bool BookSession::TakePhotoOff(const std::shared_ptr<PhotoImage>& photo) {
    const std::shared_ptr<Page> page = photo ? photo->GetPage() : nullptr;
    if (!mBook || !page)
        return false;
    bool taken = false;
    ChangePages(tr("Remove Photo"), {IndexOf(*page)}, [&] { taken = page->TakeOff(photo); });
    return taken;
}

// ---- pages

void BookSession::AddPage() {
    if (mBook && mBook->AllowNewPage())
        PushStep(new AddPageCommand(*mBook, tr("Add Page")));
}

void BookSession::DeletePage(int index) {
    if (mBook)
        PushStep(new DeletePageCommand(*mBook, index, tr("Delete Page")));
}

void BookSession::SwapPages(int a, int b) {
    if (!mBook || a == b)
        return;
    mBook->GetPage(a); // both must be pages
    mBook->GetPage(b);
    PushStep(new SwapPagesCommand(*mBook, a, b, tr("Swap Pages")));
}

void BookSession::MovePages(int first, int count, int before) {
    if (!mBook)
        return;
    if (count < 1 || first < 0 || first + count > mBook->PagesCount() || before < 0 ||
        before > mBook->PagesCount())
        throw LumbraError(QStringLiteral("No such pages to move"));
    if (before >= first && before <= first + count)
        return;
    PushStep(new MovePagesCommand(*mBook, first, count, before,
                                  count > 1 ? tr("Move Pages") : tr("Move Page")));
}

void BookSession::ChangePages(const QString& name, const std::vector<int>& indices,
                              const std::function<void()>& change) {
    if (!mBook)
        return;
    PageForms before = mBook->FormsOf(indices);
    NotePhotos();
    change();
    std::vector<int> touched = indices;
    for (int i = before.count; i < mBook->PagesCount(); ++i)
        touched.push_back(i); // pages the change added
    PageForms after = mBook->FormsOf(touched);
    if (after == before) {
        mBook->SaveBook(); // nothing to undo; the book is saved as after every operation
        AnnouncePhotos(false);
        return;
    }
    Push(new PagesCommand(*mBook, name, std::move(before), std::move(after)));
}

void BookSession::DropOnPage(Page& aPage, const QString& text, float x, float y) {
    if (!mBook)
        return;
    std::vector<int> indices{IndexOf(aPage)};
    QString name = tr("Place Photo");
    if (text.startsWith(QLatin1String("T:"))) {
        name = tr("Change Template");
    } else if (text.startsWith(QLatin1String("bg:"))) {
        name = tr("Set Background");
    } else if (const auto photo = mBook->Photos().Find(text)) {
        const int box = aPage.FindPhotoBoxIndex(x, y);
        if (const std::shared_ptr<Page> from = photo->GetPage()) {
            indices.push_back(IndexOf(*from));
            if (box >= 0 && aPage.Photo(box))
                name = tr("Swap Photos");
        }
    }
    ChangePages(name, indices, [&] { ApplyDropText(*mBook, aPage, text, x, y); });
}

void BookSession::SetBackground(const QString& name, BackgroundPages which) {
    if (!mBook)
        return;
    std::vector<int> indices;
    for (int i = 0; i < mBook->PagesCount(); ++i)
        if (BackgroundGoesOnPage(which, i))
            indices.push_back(i);
    ChangePages(name.isEmpty() ? tr("Remove Background") : tr("Set Background"), indices,
                [&] { SetBackgroundOnPages(*mBook, name, which); });
}

FillResult BookSession::Fill(const std::vector<std::shared_ptr<PhotoImage>>& photos,
                             const Templates& catalogue) {
    FillResult result;
    if (mBook)
        ChangePages(tr("Fill Book"), AllPages(*mBook),
                    [&] { result = FillBook(*mBook, photos, catalogue); });
    return result;
}

void BookSession::EditText(Page& aPage, int index, const QString& text) {
    if (mBook)
        ChangePages(tr("Edit Text"), {IndexOf(aPage)}, [&] { aPage.SetText(index, text); });
}

void BookSession::PhotoEdited(const Page& aPage, const QString& formBefore) {
    if (!mBook)
        return;
    const int index = mBook->IndexOf(aPage);
    if (index < 0)
        return; // the page left the book meanwhile
    PageForms before{mBook->PagesCount(), {{index, formBefore}}};
    PageForms after = mBook->FormsOf({index});
    if (after == before) {
        mBook->SaveBook();
        return;
    }
    Push(new PagesCommand(*mBook, tr("Edit Photo"), std::move(before), std::move(after)));
}

// ---- photos leaving and entering pages

void BookSession::NotePhotos() {
    mPool.clear();
    mOffPage.clear();
    mPlaces.clear();
    if (!mBook)
        return;
    for (const PhotoPtr& photo : mBook->Photos()) {
        mPool.push_back(photo);
        if (!photo->GetPage())
            mOffPage.push_back(photo);
    }
    for (int i = 0; i < mBook->PagesCount(); ++i) {
        const Book::PagePtr page = mBook->GetPage(i);
        for (int box = 0; box < page->PhotoEntryCount(); ++box)
            if (const PhotoPtr photo = page->Photo(box))
                mPlaces.insert(photo.get(), {i, box});
    }
}

void BookSession::AnnouncePhotos(bool inBookOrder) {
    const std::vector<PhotoPtr> pool = std::exchange(mPool, {});
    const std::vector<PhotoPtr> offPage = std::exchange(mOffPage, {});
    const QHash<const PhotoImage*, BoxPlace> places = std::exchange(mPlaces, {});
    NotePhotos();
    // A photo new to the pool is announced as it stands, on a page or not.
    QSet<const PhotoImage*> was;
    for (const PhotoPtr& photo : offPage)
        was.insert(photo.get());
    QSet<const PhotoImage*> known;
    for (const PhotoPtr& photo : pool)
        known.insert(photo.get());
    QSet<const PhotoImage*> is;
    for (const PhotoPtr& photo : mOffPage)
        is.insert(photo.get());
    for (const PhotoPtr& photo : offPage)
        if (!is.contains(photo.get()))
            emit photoHidden(photo);
    for (const PhotoPtr& photo : mPool)
        if (photo->GetPage() && !known.contains(photo.get()))
            emit photoHidden(photo);
    std::vector<PhotoPtr> shown;
    for (const PhotoPtr& photo : mOffPage)
        if (!was.contains(photo.get()))
            shown.push_back(photo);
    // Photos that left pages in the order they stood there, then new ones.
    const BoxPlace nowhere{INT_MAX, INT_MAX};
    std::stable_sort(shown.begin(), shown.end(), [&](const PhotoPtr& a, const PhotoPtr& b) {
        return places.value(a.get(), nowhere) < places.value(b.get(), nowhere);
    });
    for (const PhotoPtr& photo : shown)
        emit photoShown(photo, inBookOrder);
    if (pool != mPool)
        emit poolChanged();
}
