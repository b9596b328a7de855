#include "ui/panes/AlbumPairTile.h"

#include "model/Book.h"
#include "model/BookSession.h"
#include "ui/common/GuardedStep.h"
#include "ui/panes/AlbumPageTile.h"

#include <QDrag>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>

namespace {

constexpr int kLabelTop = kAlbumThumbTop + 104 + 2;
constexpr int kLabelHeight = 16;
constexpr int kSlidePixelsPerTick = 3; // then a pause of 1 ms and a repaint

} // namespace

AlbumPairTile::AlbumPairTile(Book* book, BookSession* session,
                             std::shared_ptr<const PageRenderer> renderer, QWidget* parent)
    : QFrame(parent), mBook(book), mSession(session) {
    setFixedSize(kAlbumPairSize);
    setAcceptDrops(true);
    SetHighlighted(false);
    mLeftPageThumb = MakeThumb();
    mRightPageThumb = MakeThumb();
    mLeftPageThumb->SetRenderer(renderer);
    mRightPageThumb->SetRenderer(renderer);
    mLeftPageLabel = MakeLabel();
    mRightPageLabel = MakeLabel();
    PlaceThumbs(AlbumThumbLefts{});
    mSlideTimer.setInterval(1);
    connect(&mSlideTimer, &QTimer::timeout, this, &AlbumPairTile::SlideStep);
}

void AlbumPairTile::SetLeftPage(int r) {
    mR = r;
    mLeftPageThumb->SetIndex(r - 1);
    mRightPageThumb->SetIndex(r);
}

AlbumPageTile* AlbumPairTile::MakeThumb() {
    auto* thumb = new AlbumPageTile(mBook, mSession, this);
    connect(thumb, &AlbumPageTile::renderDone, this, &AlbumPairTile::OnThumbRenderDone);
    return thumb;
}

QLabel* AlbumPairTile::MakeLabel() {
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignCenter);
    label->resize(kAlbumThumbSize.width(), kLabelHeight);
    return label;
}

void AlbumPairTile::PlaceThumbs(AlbumThumbLefts lefts) {
    mLeftPageThumb->move(lefts.left, kAlbumThumbTop);
    mRightPageThumb->move(lefts.right, kAlbumThumbTop);
    mLeftPageLabel->move(kAlbumLeftThumbLeft, kLabelTop);
    mRightPageLabel->move(kAlbumRightThumbLeft, kLabelTop);
}

AlbumThumbLefts AlbumPairTile::ThumbLefts() const {
    return {mLeftPageThumb->x(), mRightPageThumb->x()};
}

void AlbumPairTile::Render() {
    mSlideTimer.stop();
    PlaceThumbs(AlbumThumbLefts{});
    mLeftPageThumb->SetPage(mR - 1);
    mRightPageThumb->SetPage(mR);
    hide();
    const AlbumPairLabels labels = AlbumLabelsOf(mR, mBook ? mBook->PagesCount() : 0);
    mLeftPageLabel->setVisible(labels.leftVisible);
    mLeftPageLabel->setText(labels.leftText);
    mRightPageLabel->setVisible(labels.rightVisible);
    mRightPageLabel->setText(labels.rightText);
}

void AlbumPairTile::SetLeftStart(int offset, PaneView view) {
    mSlideTimer.stop();
    PlaceThumbs(AlbumThumbLefts{});
    mView = view;
    move(AlbumPairPosition(view, mR, offset));
    show();
}

void AlbumPairTile::SetHighlighted(bool raised) {
    mHighlighted = raised;
    setFrameStyle(raised ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
    setLineWidth(raised ? 2 : 0);
}

bool AlbumPairTile::IsRendering() const {
    return mLeftPageThumb->IsRendering() || mRightPageThumb->IsRendering();
}

void AlbumPairTile::OnThumbRenderDone() {
    if (!IsRendering())
        emit renderDone();
}

// The pair's own drag carries its pages: the gap between two other pairs takes them.
void AlbumPairTile::mousePressEvent(QMouseEvent* event) {
    mGesture.Press(*event);
    event->accept();
}

void AlbumPairTile::mouseMoveEvent(QMouseEvent* event) {
    if (!mGesture.Move(*event))
        return;
    auto* data = new QMimeData;
    data->setText(QString::number(mR));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

void AlbumPairTile::mouseReleaseEvent(QMouseEvent* event) { mGesture.Release(*event); }

void AlbumPairTile::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

// Text over the pair slides its thumbnails aside, a few pixels a tick, while
// the drag offers a copy; only a copy is allowed.
void AlbumPairTile::dragMoveEvent(QDragMoveEvent* event) {
    if (const std::optional<PageMove> move = MoveOf(*event)) {
        EndSlide();
        ShowGap(move->atStart);
        event->setDropAction(event->proposedAction());
        event->accept();
        return;
    }
    ShowGap(std::nullopt);
    // A drag a thumbnail refused comes on to its pair: the refusal stands.
    const QWidget* under = childAt(event->position().toPoint());
    const bool overThumb = under == mLeftPageThumb || under == mRightPageThumb;
    if (overThumb || !event->mimeData()->hasFormat(QStringLiteral("text/plain"))) {
        event->ignore();
        return;
    }
    if (!(event->possibleActions() & Qt::CopyAction)) {
        EndSlide(); // a refused drag never leaves: no slide to undo later
        event->ignore();
        return;
    }
    mSlideX = event->position().toPoint().x();
    if (!mSlideTimer.isActive())
        mSlideTimer.start();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void AlbumPairTile::dragLeaveEvent(QDragLeaveEvent*) {
    EndSlide();
    ShowGap(std::nullopt);
}

void AlbumPairTile::dropEvent(QDropEvent* event) {
    EndSlide();
    ShowGap(std::nullopt);
    const std::optional<PageMove> move = MoveOf(*event);
    if (!move) {
        event->ignore();
        return;
    }
    event->setDropAction(event->proposedAction());
    event->accept();
    BookSession* session = mSession;
    if (session)
        RunGuarded("Moving pages dropped on a page pair",
                   [&] { session->MovePages(move->pages.first, move->pages.count, move->before); });
}

// A thumbnail's drag moves its page, a pair's drag (its r) the pair's pages.
std::optional<AlbumPairTile::PageMove> AlbumPairTile::MoveOf(const QDropEvent& event) const {
    const QMimeData* data = event.mimeData();
    if (!mBook || !data || !data->hasText())
        return std::nullopt;
    const int pages = mBook->PagesCount();
    const std::optional<int> before =
        AlbumGapInsertIndex(mView, event.position().toPoint(), mR, pages);
    if (!before)
        return std::nullopt;
    AlbumPageRange moved;
    if (const std::optional<int> page = ParseAlbumThumbPayload(data->text());
        page && (event.possibleActions() & Qt::MoveAction))
        moved = {*page, 1};
    else if (auto* pair = qobject_cast<AlbumPairTile*>(event.source());
             pair && pair != this && data->text() == QString::number(pair->R()))
        moved = AlbumPairPages(pair->R(), pages);
    if (moved.count < 1 || moved.first + moved.count > pages)
        return std::nullopt;
    const bool atStart = *before < mR || (mR == 0 && *before == 0);
    return PageMove{moved, *before, atStart};
}

void AlbumPairTile::ShowGap(std::optional<bool> atStart) {
    if (mGapShown == atStart)
        return;
    mGapShown = atStart;
    update();
}

void AlbumPairTile::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!mGapShown)
        return;
    QPainter painter(this);
    const QColor line = palette().color(QPalette::Highlight);
    const bool column = mView == PaneView::Column;
    const int along = *mGapShown ? 2 : (column ? height() : width()) - 5;
    painter.fillRect(column ? QRect(0, along, width(), 3) : QRect(along, 0, 3, height()), line);
}

// The drag has gone: the thumbnails go back to their places.
void AlbumPairTile::EndSlide() {
    mSlideTimer.stop();
    PlaceThumbs(AlbumThumbLefts{});
    update();
}

void AlbumPairTile::SlideStep() {
    const std::optional<AlbumThumbLefts> next =
        AlbumSlideStep(ThumbLefts(), mSlideX, kSlidePixelsPerTick);
    if (!next) {
        mSlideTimer.stop();
        return;
    }
    PlaceThumbs(*next);
    update();
}
