#include "ui/bookview/PageView.h"

#include "base/Rounding.h"
#include "imaging/PaintSurface.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "model/Template.h"
#include "model/Templates.h"
#include "render/PageScene.h"
#include "ui/common/UiContext.h"
#include "ui/editors/BoxEditors.h"

#include <QPainter>
#include <QPen>

// Following the book and its pages, and showing the page. Mouse, drag and
// drop are in PageViewInput.cpp.

PageView::PageView(const UiContext& context, QWidget* parent)
    : QWidget(parent), mManager(context.books), mTemplates(context.templates) {
    mReloadPageTimer.setSingleShot(true);
    connect(&mReloadPageTimer, &QTimer::timeout, this, [this] {
        mReloadPageTimer.stop();
        ReloadPage();
    });
    connect(&mRenderQueue, &PageRenderQueue::rendered, this, &PageView::OnRendered);
    connect(&mManager.Session(), &BookSession::dropDone, this, [this] {
        if (std::exchange(mDropping, false))
            emit dropDone();
    });
    mRenderQueue.SetRenderer(context.renderer);
    setAcceptDrops(true);
    setMouseTracking(true);
    mManagerFollower.Follow(&mManager, this, &PageView::OnBookChange);
}

PageView::~PageView() = default;

void PageView::OnBookChange() {
    FollowBook(mManager.GetBook());
    OnPageIndexChange();
    ReloadPage();
}

void PageView::FollowBook(const std::shared_ptr<Book>& book) {
    mBookConnections.Clear();
    mBook = book;
    if (!book)
        return;
    mBookConnections.Replace(
        {connect(&mManager.Session(), &BookSession::pageIndexChanged, this,
                 &PageView::OnPageIndexChange),
         connect(book.get(), &Book::pageChanged, this, &PageView::OnPageChanged),
         connect(book.get(), &Book::pageDeleted, this, &PageView::OnDeletePage)});
}

void PageView::FollowPage(const std::shared_ptr<Page>& aPage) {
    if (aPage != mPage) {
        mFramedPhotoBox = -1;
        // A picture of another page must not show, nor arrive later.
        mRendering = QImage();
        mPreview = QImage();
        mRenderQueue.Cancel();
    }
    disconnect(mPageConnection);
    mPage = aPage;
    if (aPage)
        mPageConnection = connect(aPage.get(), &Page::changed, this, &PageView::ReloadPage);
}

void PageView::SetPageType(PageType type) {
    mPageType = type;
    OnPageIndexChange();
}

int PageView::GetCurrentPageIndex() const {
    if (!mBook)
        return -1;
    switch (mPageType) {
    case PageType::LeftPage: return mManager.Session().LeftPageIndex();
    case PageType::RightPage: return mManager.Session().RightPageIndex();
    case PageType::SinglePage: break;
    }
    return mManager.Session().PageIndex();
}

std::shared_ptr<Page> PageView::ChoosePage() const {
    if (!mBook)
        return nullptr;
    const int index = GetCurrentPageIndex();
    if (index < 0 || index >= mBook->PagesCount())
        return nullptr;
    return mBook->GetPage(index);
}

void PageView::OnPageIndexChange() {
    FollowPage(ChoosePage());
    ShowPage();
}

void PageView::OnPageChanged(int index) {
    if (index != GetCurrentPageIndex())
        return;
    FollowPage(ChoosePage());
    ReloadPage();
}

void PageView::OnDeletePage(int pageCount) {
    // Only the right page can fall off the end of the book.
    if (mPageType == PageType::RightPage && GetCurrentPageIndex() >= pageCount) {
        FollowPage(nullptr);
        ReloadPage();
    }
}

void PageView::ShowPage() {
    if (!isVisible())
        return;
    if (!mPage) {
        update();
        return;
    }
    if (mPage->IsEmptyPage() || !TakePreview()) {
        ReloadPage();
        return;
    }
    update();
    StartReloadTimer(150);
}

bool PageView::TakePreview() {
    const auto& thumb = mPage->Thumbnail();
    if (!thumb || !thumb->image())
        return false;
    mPreview = thumb->image()->copy();
    return true;
}

void PageView::StartReloadTimer(int milliseconds) {
    mReloadPageTimer.stop();
    mReloadPageTimer.setInterval(milliseconds);
    mReloadPageTimer.start();
}

void PageView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!mPage) {
        ReloadPage();
        return;
    }
    if (!mPage->IsEmptyPage() && TakePreview())
        update();
    StartReloadTimer(100);
    PlaceEditors();
}

void PageView::SetPageLocation(int left, int top) {
    move(left, top);
    PlaceEditors();
}

void PageView::SetPageSize(int width, int height) {
    if (width < 0 || height < 0)
        return;
    resize(width, height);
    PlaceEditors();
    StartReloadTimer(500);
}

void PageView::ReloadPage() {
    if (!mPage) {
        mRendering = QImage();
        update();
        return;
    }
    // The last picture stays up (stretched) until the new one is in.
    if (isVisible() && width() > 0 && height() > 0)
        mRenderQueue.Request(SnapshotPage(*mPage), size());
}

void PageView::OnRendered(const QImage& picture) {
    mRendering = picture;
    mPreview = QImage();
    update();
    emit pageRendered();
}

void PageView::SetRenderer(std::shared_ptr<const PageRenderer> renderer) {
    mRenderQueue.SetRenderer(std::move(renderer));
}

void PageView::paintEvent(QPaintEvent*) {
    if (!mPage)
        return; // no page here: the book view's background shows through
    QPainter painter(this);
    const QImage& picture = !mPreview.isNull() ? mPreview : mRendering;
    if (picture.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(rect(), picture); // stretched, no smoothing
    if (mFramedPhotoBox >= 0 && mPage->Template() &&
        mFramedPhotoBox < mPage->Template()->PhotoBoxCount()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.drawRect(BoxRect(*mPage->Template()->PhotoBox(mFramedPhotoBox)).translated(-pos()));
    }
}

double PageView::PixelToMmX(double x) const {
    return width() > 0 ? mTemplates.PageWidth() * x / width() : 0;
}

double PageView::PixelToMmY(double y) const {
    return height() > 0 ? mTemplates.PageHeight() * y / height() : 0;
}

int PageView::MmToPixelX(double mm) const {
    return int(RoundHalfEven(mm * width() / mTemplates.PageWidth()));
}

int PageView::MmToPixelY(double mm) const {
    return int(RoundHalfEven(mm * height() / mTemplates.PageHeight()));
}
