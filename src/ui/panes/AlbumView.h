#pragma once

#include "base/ConnectionGroup.h"
#include "ui/panes/AlbumLayout.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class AlbumPairTile;
class Book;
class BookManager;
class PageRenderer;
class PaneViewChoice;
class QScrollBar;

// The album overview: the current book as facing pairs of page thumbnails,
// side by side in the strip across the top or one below the other in the
// column at the right, scrolled 75 pixels a step.
//
// Pairs are made and removed when the book changes or gains or loses pages;
// a timer pass then renders them one after another, the next pair when both
// thumbnails of the one before have their pictures (rendered on the thread
// pool), so the event loop keeps running while a long book fills in.
class AlbumView : public QWidget {
    Q_OBJECT
public:
    // views null: the strip; renderer: draws the thumbnails (null: they stay white).
    AlbumView(BookManager* books, const PaneViewChoice* views,
              std::shared_ptr<const PageRenderer> renderer, QWidget* parent = nullptr);
    ~AlbumView() override;

    // Slot c (0 to 100): the pair showing pages 2c - 1 and 2c, or null.
    AlbumPairTile* Pair(int c) const;
    // The scroll bar of the current view.
    QScrollBar* ScrollBar() const;
    bool IsPassRunning() const { return mPassNext >= 0; }
    // Repositions the pairs after a change of scroll position.
    void Repaint();
    // Places the scroll bar of the current view and repositions the pairs,
    // keeping the current page's pair in view.
    void Relayout();

signals:
    // The timer pass rendered pair c.
    void pairRendered(int c);
    // The timer pass rendered every pair.
    void passFinished();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    PaneView View() const;
    int PagesCount() const;
    // Pixels the pairs are scrolled back.
    int Offset() const;
    void OnBookChange();
    void OnAddPage();
    void OnDeletePage();
    void OnPageIndexChange();
    // Scrolls as little as brings the current page's pair into view.
    void ShowCurrentPair();
    void Synchronise();
    void RemovePair(int c);
    void OnTimer();
    void OnPairRenderDone(AlbumPairTile* pair);
    void NextPassPair();

    BookManager* mBooks;
    const PaneViewChoice* mViews;
    QPointer<Book> mBook;
    ConnectionGroup mBookConnections;
    std::shared_ptr<const PageRenderer> mRenderer;
    std::array<AlbumPairTile*, kAlbumPairSlots> mPairs{};
    QScrollBar* mHScrollBar = nullptr;
    QScrollBar* mVScrollBar = nullptr;
    QTimer mTimer;
    int mPassNext = -1; // the pair the pass renders now; -1 when no pass runs
};
