#include "ui/panes/AlbumPageTile.h"

#include "imaging/PaintSurface.h"
#include "model/Book.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "render/PageRenderer.h"
#include "ui/common/GuardedStep.h"
#include "ui/panes/AlbumLayout.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

namespace {

// The worker's picture as a drawing surface of its own.
std::shared_ptr<PaintSurface> SurfaceOf(const QImage& picture) {
    auto surface = std::make_shared<PaintSurface>(picture.width(), picture.height());
    if (surface->painter())
        surface->painter()->drawImage(0, 0, picture);
    return surface;
}

} // namespace

AlbumPageTile::AlbumPageTile(Book* book, BookSession* session, QWidget* parent)
    : QWidget(parent), mBook(book), mSession(session) {
    setFixedSize(kAlbumThumbSize);
    setAcceptDrops(true);
    connect(&mQueue, &PageRenderQueue::rendered, this, &AlbumPageTile::OnRendered);
    if (mBook)
        connect(mBook, &Book::pageChanged, this, &AlbumPageTile::OnBookPageChanged);
}

void AlbumPageTile::SetRenderer(std::shared_ptr<const PageRenderer> renderer) {
    mQueue.SetRenderer(std::move(renderer));
}

bool AlbumPageTile::InBook() const { return mBook && mIndex >= 0 && mIndex < mBook->PagesCount(); }

void AlbumPageTile::SetIndex(int index) {
    mIndex = index;
    // The empty place beside the first page (index -1) is no page.
    setToolTip(index < 0 ? QString()
                         : tr("Page %1: click to show it; drag it onto another page to swap "
                              "them, or between two pairs to move it there")
                               .arg(index + 1));
}

void AlbumPageTile::SetPage(int index) {
    SetIndex(index);
    if (!InBook()) {
        FollowPage(nullptr);
        return;
    }
    FollowPage(mBook->GetPage(index));
    if (mStale)
        RenderPage();
}

void AlbumPageTile::FollowPage(std::shared_ptr<::Page> next) {
    if (next == mPage)
        return;
    disconnect(mPageConnection);
    mQueue.Cancel(); // no picture of the old page may arrive
    mPage = std::move(next);
    mStale = true;
    // Until the new rendering arrives, the page's last one (it may have been
    // drawn by another thumbnail before the pages were swapped).
    mRendering = mPage ? mPage->Thumbnail() : nullptr;
    if (mPage)
        mPageConnection = connect(mPage.get(), &Page::changed, this, &AlbumPageTile::OnPageChange);
    update();
    if (!mPage && mPending) {
        mPending = false;
        emit renderDone();
    }
}

void AlbumPageTile::RenderPage() {
    if (!mPage)
        return;
    mStale = false;
    mPending = true;
    mQueue.Request(SnapshotPage(*mPage), kAlbumRenderSize, RenderMode::Thumbnail);
}

void AlbumPageTile::OnRendered(const QImage& picture) {
    mPending = mQueue.Busy();
    if (!picture.isNull() && mPage) {
        mRendering = SurfaceOf(picture);
        mPage->SetThumbnail(mRendering);
        update();
    }
    if (!mPending)
        emit renderDone();
}

void AlbumPageTile::OnBookPageChanged(int index) {
    if (index == mIndex)
        SetPage(mIndex);
}

void AlbumPageTile::OnPageChange() {
    mStale = true;
    if (InBook())
        RenderPage();
}

void AlbumPageTile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (InBook() && mRendering && mRendering->image())
        painter.drawImage(rect(), *mRendering->image()); // no smoothing, like a plain stretch
    else
        painter.fillRect(rect(), palette().window());
}

void AlbumPageTile::mousePressEvent(QMouseEvent* event) {
    mGesture.Press(*event);
    event->accept();
}

void AlbumPageTile::mouseMoveEvent(QMouseEvent* event) {
    if (mGesture.Move(*event))
        StartDrag();
}

void AlbumPageTile::mouseReleaseEvent(QMouseEvent* event) {
    if (mGesture.Release(*event) && mSession)
        mSession->ShowPage(mIndex);
}

void AlbumPageTile::StartDrag() {
    const QPointer<BookSession> session = mSession;
    const QPointer<Book> book = mBook;
    const int index = mIndex;
    auto* data = new QMimeData;
    data->setText(AlbumThumbPayload(index));
    auto* drag = new QDrag(this); // Qt deletes it when the drag ends
    drag->setMimeData(data);
    if (mRendering && mRendering->image())
        drag->setPixmap(QPixmap::fromImage(mRendering->image()->scaled(kAlbumThumbSize / 2)));
    drag->exec(Qt::MoveAction);
    // This thumbnail may be gone now (the book changed during the drag).
    if (book && session && session->CurrentBook().get() == book)
        session->ShowPage(index);
}

bool AlbumPageTile::AcceptsDrag(const QMimeData* data) const {
    return data && data->hasText() && IsAlbumThumbPayload(data->text()) && InBook();
}

void AlbumPageTile::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void AlbumPageTile::dragMoveEvent(QDragMoveEvent* event) {
    if (AcceptsDrag(event->mimeData()) && (event->possibleActions() & Qt::MoveAction)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void AlbumPageTile::dropEvent(QDropEvent* event) {
    const std::optional<int> dragged = AcceptsDrag(event->mimeData())
                                           ? ParseAlbumThumbPayload(event->mimeData()->text())
                                           : std::nullopt;
    if (!dragged || *dragged >= mBook->PagesCount()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    if (*dragged == mIndex)
        return;
    BookSession* session = mSession;
    const int index = mIndex;
    if (session)
        RunGuarded("Swapping a page with the one dropped on it",
                   [&] { session->SwapPages(index, *dragged); });
}
