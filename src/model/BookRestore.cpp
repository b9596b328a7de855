// Taking a book back to an earlier state, for undo and redo.
#include "model/Book.h"
#include "model/BookFiles.h"
#include "model/HeldPhotoFiles.h"
#include "model/Page.h"
#include "model/PageDisplayHost.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <algorithm>
#include <utility>

BookSnapshot Book::Snapshot() const {
    BookSnapshot snapshot;
    for (const PagePtr& p : mPages)
        snapshot.pages << p->Serialize();
    for (const PhotoPtr& photo : *mPhotos)
        snapshot.photos << photo->GetName();
    return snapshot;
}

QString Book::TakeStepName() { return std::exchange(mStepName, QString()); }

void Book::Restore(const BookSnapshot& target) {
    const QSet<QString> kept(target.photos.begin(), target.photos.end());
    RestorePhotos(target.photos);
    const int firstChanged = RestorePages(target.pages);
    std::vector<PhotoPtr> leaving;
    for (const PhotoPtr& photo : *mPhotos)
        if (!kept.contains(photo->GetName()))
            leaving.push_back(photo);
    for (const PhotoPtr& photo : leaving) {
        mContext.DisplayHost().RemoveDisplayPhoto(photo);
        mPhotos->Remove(photo);
        HeldPhotoFiles::Hold(GetBookFolder(), photo->GetName());
    }
    ShowUnplacedPhotos();
    if (firstChanged >= 0)
        SetPageIndex(firstChanged);
    else if (mPageIndex >= PagesCount())
        SetPageIndex(PagesCount() - 1);
}

// Photos of the target missing from the pool come back from the held files.
void Book::RestorePhotos(const QStringList& names) {
    const QString folder = GetBookFolder();
    for (const QString& name : names) {
        const auto parsed =
            BookFiles::ParsePhotoFileName(name + QLatin1String(BookFiles::kFullSizeSuffix));
        if (!parsed || mPhotos->Find(parsed->key))
            continue;
        HeldPhotoFiles::Release(folder, name);
        auto photo = std::make_shared<PhotoImage>();
        photo->CopyName(name);
        photo->SetKey(folder, parsed->key);
        mPhotos->Add(photo);
    }
    mPhotos->OrderByNames(names); // a photo brought back takes its old place
}

int Book::RestorePages(const QStringList& forms) {
    const int common = std::min(PagesCount(), int(forms.size()));
    std::vector<int> changed;
    for (int i = 0; i < common; ++i) {
        if (mPages[size_t(i)]->Serialize() != forms[i]) {
            mPages[size_t(i)]->Delete(); // its photos are free for the pages read below
            changed.push_back(i);
        }
    }
    const bool removed = PagesCount() > forms.size();
    while (PagesCount() > forms.size()) {
        mPages.back()->Delete();
        mPages.pop_back();
    }
    for (const int i : changed) {
        mPages[size_t(i)] = ReadPage(forms[i]);
        NumberPage(*mPages[size_t(i)]);
    }
    int firstChanged = changed.empty() ? -1 : changed.front();
    for (int i = common; i < forms.size(); ++i) {
        AppendPage(ReadPage(forms[i]));
        if (firstChanged < 0)
            firstChanged = i;
    }
    for (const int i : changed)
        emit pageChanged(i);
    if (removed) {
        mPageIndex = std::min(mPageIndex, PagesCount() - 1);
        emit pageDeleted(PagesCount());
        if (firstChanged < 0)
            firstChanged = std::max(0, PagesCount() - 1);
    }
    return firstChanged;
}

// The photos pane shows exactly the pool's photos that stand on no page.
void Book::ShowUnplacedPhotos() {
    PageDisplayHost& host = mContext.DisplayHost();
    for (const PhotoPtr& photo : *mPhotos) {
        if (photo->GetPage())
            host.RemoveDisplayPhoto(photo);
        else
            host.ReturnDisplayPhoto(photo);
    }
}
