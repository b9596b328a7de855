#pragma once

#include "ui/panes/AlbumDragGesture.h"
#include "ui/panes/AlbumLayout.h"

#include <QFrame>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

class AlbumPageTile;
class Book;
class BookSession;
class PageRenderer;
class QLabel;

// One facing pair of the album overview: the thumbnails of pages r - 1 and r
// with their page numbers below. Raised while the book view shows its pages.
// A thumbnail (one page) or a pair (its pages) dragged into the gap at
// either end moves there, as one undo step; a line marks the place.
class AlbumPairTile : public QFrame {
    Q_OBJECT
public:
    // session: where moves and swaps go (null: none).
    AlbumPairTile(Book* book, BookSession* session, std::shared_ptr<const PageRenderer> renderer,
                  QWidget* parent);

    // Stores r; the thumbnails take their indices but render only in Render().
    void SetLeftPage(int r);
    int R() const { return mR; }
    // Both thumbnails take their pages again, the labels follow the book;
    // hidden until SetLeftStart places it.
    void Render();
    // Places the pair for the view, tiles moved back by offset pixels, and shows it.
    void SetLeftStart(int offset, PaneView view);
    void SetHighlighted(bool raised);
    bool IsHighlighted() const { return mHighlighted; }
    // A rendering of either thumbnail is still to come.
    bool IsRendering() const;

    AlbumPageTile* LeftThumb() const { return mLeftPageThumb; }
    AlbumPageTile* RightThumb() const { return mRightPageThumb; }
    QLabel* LeftLabel() const { return mLeftPageLabel; }
    QLabel* RightLabel() const { return mRightPageLabel; }
    AlbumThumbLefts ThumbLefts() const;

signals:
    // Both thumbnails hold the renderings asked for.
    void renderDone();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    AlbumPageTile* MakeThumb();
    QLabel* MakeLabel();
    void PlaceThumbs(AlbumThumbLefts lefts);
    void OnThumbRenderDone();
    void SlideStep();
    void EndSlide();
    // The pages a drag into a gap would move and where they would go; empty
    // for other drags and places.
    struct PageMove {
        AlbumPageRange pages;
        int before = 0;
        bool atStart = false; // the gap before the thumbnails
    };
    std::optional<PageMove> MoveOf(const QDropEvent& event) const;
    void ShowGap(std::optional<bool> atStart);

    QPointer<Book> mBook;
    QPointer<BookSession> mSession;
    int mR = 0;
    bool mHighlighted = false;
    AlbumPageTile* mLeftPageThumb = nullptr;
    AlbumPageTile* mRightPageThumb = nullptr;
    QLabel* mLeftPageLabel = nullptr;
    QLabel* mRightPageLabel = nullptr;
    AlbumDragGesture mGesture;
    QTimer mSlideTimer;
    int mSlideX = 0;
    PaneView mView = PaneView::Strip;
    std::optional<bool> mGapShown; // the line in the gap: at the start or the end
};
