#include "ui/panes/AlbumView.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "render/PageRenderer.h"
#include "ui/common/PaneScrollBar.h"
#include "ui/common/PaneViewChoice.h"
#include "ui/panes/AlbumPairTile.h"
#include "ui/panes/SidePaneLayout.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

AlbumView::AlbumView(BookManager* books, const PaneViewChoice* views,
                     std::shared_ptr<const PageRenderer> renderer, QWidget* parent)
    : QWidget(parent), mBooks(books), mViews(views), mRenderer(std::move(renderer)) {
    mHScrollBar = MakePaneScrollBar(Qt::Horizontal, 0, this);
    mVScrollBar = MakePaneScrollBar(Qt::Vertical, 0, this);
    for (QScrollBar* bar : {mHScrollBar, mVScrollBar})
        connect(bar, &QScrollBar::valueChanged, this, &AlbumView::Repaint);
    mTimer.setObjectName(QStringLiteral("mTimer"));
    mTimer.setSingleShot(true);
    mTimer.setInterval(0);
    connect(&mTimer, &QTimer::timeout, this, &AlbumView::OnTimer);
    if (mBooks) {
        connect(mBooks, &BookManager::bookChanged, this, &AlbumView::OnBookChange);
        connect(&mBooks->Session(), &BookSession::pageIndexChanged, this, [this] {
            OnPageIndexChange();
            ShowCurrentPair();
        });
        if (mBooks->GetBook())
            OnBookChange();
    }
}

AlbumView::~AlbumView() = default;

AlbumPairTile* AlbumView::Pair(int c) const {
    return c >= 0 && c < kAlbumPairSlots ? mPairs[size_t(c)] : nullptr;
}

PaneView AlbumView::View() const { return PaneViewOf(mViews); }

int AlbumView::PagesCount() const { return mBook ? mBook->PagesCount() : 0; }

QScrollBar* AlbumView::ScrollBar() const {
    return PaneScrollBarOf(View(), mHScrollBar, mVScrollBar);
}

int AlbumView::Offset() const {
    const QScrollBar* bar = ScrollBar();
    return bar->isHidden() ? 0 : kSidePaneScrollStep * bar->value();
}

void AlbumView::OnBookChange() {
    mBookConnections.Clear();
    mBook = mBooks->GetBook().get();
    if (mBook) {
        mBookConnections.Replace(
            {connect(mBook, &Book::pageAdded, this, &AlbumView::OnAddPage),
             connect(mBook, &Book::pageDeleted, this, &AlbumView::OnDeletePage)});
    }
    for (int c = 0; c < kAlbumPairSlots; ++c)
        RemovePair(c);
    Synchronise();
    for (QScrollBar* bar : {mHScrollBar, mVScrollBar}) {
        const QSignalBlocker quiet(bar);
        bar->setMaximum(0);
        bar->setValue(0);
    }
    Relayout();
}

void AlbumView::OnAddPage() {
    Synchronise();
    Repaint();
}

void AlbumView::OnDeletePage() {
    Synchronise();
    update();
    Repaint();
}

void AlbumView::OnPageIndexChange() {
    if (!mBook || !mBooks)
        return;
    const int left = mBooks->Session().LeftPageIndex();
    for (AlbumPairTile* pair : mPairs)
        if (pair)
            pair->SetHighlighted(AlbumPairHighlighted(pair->R(), left));
}

void AlbumView::ShowCurrentPair() {
    if (!mBook || !mBooks)
        return;
    QScrollBar* bar = ScrollBar();
    if (bar->isHidden())
        return;
    bar->setValue(AlbumScrollValueShowing(View(), mBooks->Session().PageIndex(), size(),
                                          bar->value(),
                                          bar->maximum())); // repaints when it moves
}

void AlbumView::Synchronise() {
    const int pairs = mBook ? AlbumPairCount(PagesCount()) : 0;
    for (int c = 0; c < pairs && c < kAlbumPairSlots; ++c) {
        if (mPairs[size_t(c)])
            continue;
        auto* pair =
            new AlbumPairTile(mBook, mBooks ? &mBooks->Session() : nullptr, mRenderer, this);
        pair->setObjectName(QStringLiteral("albumView_%1").arg(c));
        pair->SetLeftPage(2 * c);
        connect(pair, &AlbumPairTile::renderDone, this, [this, pair] { OnPairRenderDone(pair); });
        mPairs[size_t(c)] = pair;
    }
    for (int c = pairs; c < kAlbumPairSlots; ++c)
        RemovePair(c);
    for (QScrollBar* bar : {mHScrollBar, mVScrollBar})
        bar->raise();
    OnPageIndexChange();
    mPassNext = 0;
    mTimer.start();
}

void AlbumView::RemovePair(int c) {
    if (AlbumPairTile* pair = mPairs[size_t(c)]) {
        mPairs[size_t(c)] = nullptr;
        delete pair;
    }
}

void AlbumView::resizeEvent(QResizeEvent*) { Relayout(); }

void AlbumView::Relayout() {
    PlacePaneScrollBar(View(), mHScrollBar, mVScrollBar, size(), SidePaneScrollBarRect);
    Repaint();
    ShowCurrentPair();
}

void AlbumView::Repaint() {
    if (!mBooks || !mBook)
        return;
    const PaneView view = View();
    QScrollBar* bar = ScrollBar();
    const int steps = AlbumScrollSteps(view, PagesCount(), size());
    {
        const QSignalBlocker quiet(bar);
        if (steps > 0) {
            bar->setMaximum(steps); // also brings a larger value down to steps
            bar->show();
        } else {
            bar->hide();
        }
    }
    const int offset = Offset();
    for (AlbumPairTile* pair : mPairs)
        if (pair)
            pair->SetLeftStart(offset, view);
}

void AlbumView::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = ScrollBar();
    if (bar->isHidden())
        return QWidget::wheelEvent(event);
    QCoreApplication::sendEvent(bar, event);
}

// One pair per tick; a pair still waiting for its pictures holds the pass
// until they arrive.
void AlbumView::OnTimer() {
    if (mPassNext < 0)
        return;
    AlbumPairTile* pair = Pair(mPassNext);
    if (!pair || mPassNext >= AlbumPairCount(PagesCount())) {
        mPassNext = -1;
        emit passFinished();
        return;
    }
    const int c = mPassNext;
    pair->Render();
    pair->SetLeftStart(Offset(), View());
    if (mPassNext == c && !pair->IsRendering())
        NextPassPair();
}

void AlbumView::OnPairRenderDone(AlbumPairTile* pair) {
    if (mPassNext >= 0 && Pair(mPassNext) == pair && !mTimer.isActive())
        NextPassPair();
}

void AlbumView::NextPassPair() {
    emit pairRendered(mPassNext);
    ++mPassNext;
    mTimer.start();
}
