#include "model/Book.h"

#include "base/FileWriteQueue.h"
#include "base/LumbraError.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Templates.h"

#include <algorithm>

Book::Book(const QString& booksFolder, const ModelContext& context, QObject* parent)
    : QObject(parent), mBooksFolder(booksFolder), mContext(context) {
    for (int i = 0; i < GetMinPages(); ++i) {
        mPages.push_back(MakeDefaultPage());
        NumberPage(*mPages.back());
    }
    mPhotos = std::make_unique<PhotoImageList>();
    mWrites = new FileWriteQueue(this);
    connect(mWrites, &FileWriteQueue::writeFailed, this,
            [this](const Failure& failure) { emit saveFailed(failure.message); });
}

Book::~Book() { mRecording.waitForFinished(); }

Book::PagePtr Book::MakeDefaultPage() const {
    auto made = std::make_shared<Page>(mContext);
    made->SetTemplate(mContext.GetTemplates().GetDefaultTemplate());
    return made;
}

void Book::NumberPage(Page& aPage) { aPage.SetPageId(++mPageCounter); }

void Book::AppendPage(const PagePtr& aPage) {
    mPages.push_back(aPage);
    NumberPage(*aPage);
    emit pageAdded();
}

void Book::AddNewPage() { AppendPage(MakeDefaultPage()); }

Book::PagePtr Book::GetPage(int index) const {
    if (index < 0 || index >= PagesCount())
        throw LumbraError(QStringLiteral("No page %1").arg(index));
    return mPages[size_t(index)];
}

void Book::RemovePage(int index) {
    GetPage(index)->Delete();
    mPages.erase(mPages.begin() + index);
    for (int i = index; i < PagesCount(); ++i)
        emit pageChanged(i);
    emit pageDeleted(PagesCount());
}

void Book::SwapPages(int a, int b) {
    if (a == b)
        return;
    GetPage(a); // both indices must name pages
    GetPage(b);
    std::swap(mPages[size_t(a)], mPages[size_t(b)]);
    emit pageChanged(a);
    emit pageChanged(b);
}

void Book::MovePages(int first, int count, int before) {
    if (count < 1 || first < 0 || first + count > PagesCount() || before < 0 ||
        before > PagesCount())
        throw LumbraError(QStringLiteral("No such pages to move"));
    if (before >= first && before <= first + count)
        return;
    const auto at = [this](int index) { return mPages.begin() + index; };
    const int low = std::min(first, before);
    const int high = std::max(first + count, before); // one past the last page moved
    if (before < first)
        std::rotate(at(before), at(first), at(first + count));
    else
        std::rotate(at(first), at(first + count), at(before));
    for (int i = low; i < high; ++i)
        emit pageChanged(i);
}

void Book::RemovePhoto(const PhotoPtr& photo) {
    if (photo)
        mPhotos->Remove(photo);
}

namespace {

template <typename Predicate>
int FirstIndexWhere(const std::vector<Book::PagePtr>& pages, Predicate predicate) {
    const auto found = std::find_if(pages.begin(), pages.end(), predicate);
    return found == pages.end() ? -1 : int(found - pages.begin());
}

} // namespace

int Book::GetFirstPageWithMissingPicture() const {
    return FirstIndexWhere(mPages, [](const PagePtr& p) { return !p->IsPageFull(); });
}

int Book::GetFirstPageWithImageTooSmall() const {
    return FirstIndexWhere(mPages, [](const PagePtr& p) { return p->HasImageTooSmall(); });
}
