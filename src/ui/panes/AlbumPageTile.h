#pragma once

#include "render/PageRenderQueue.h"
#include "ui/panes/AlbumDragGesture.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class Book;
class BookSession;
class PaintSurface;
class PageRenderer;
class Page;

// One page thumbnail of the album overview: the book's page at its index,
// rendered at 290 x 208 on the thread pool and drawn halved. A click makes
// the page the book's current page; dragging it onto another thumbnail swaps
// the two pages and saves the book.
class AlbumPageTile : public QWidget {
    Q_OBJECT
public:
    // session: where a swap goes (null: no swaps).
    AlbumPageTile(Book* book, BookSession* session, QWidget* parent);

    void SetRenderer(std::shared_ptr<const PageRenderer> renderer);
    // Takes the book's page at index and renders it when it is a different
    // page or changed since its last rendering. Outside the book: no page.
    void SetPage(int index);
    // Only the index, for clicks and drops before the first rendering.
    void SetIndex(int index);
    int Index() const { return mIndex; }
    const std::shared_ptr<::Page>& Page() const { return mPage; }
    // The last rendering (also the page's Thumbnail); null before the first.
    const std::shared_ptr<PaintSurface>& Rendering() const { return mRendering; }
    // A rendering was asked for and has not arrived yet.
    bool IsRendering() const { return mPending; }

signals:
    // The renderings asked for have all arrived.
    void renderDone();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool InBook() const;
    void FollowPage(std::shared_ptr<::Page> next);
    void RenderPage();
    void OnRendered(const QImage& picture);
    void OnBookPageChanged(int index);
    void OnPageChange();
    void StartDrag();
    bool AcceptsDrag(const QMimeData* data) const;

    QPointer<Book> mBook;
    QPointer<BookSession> mSession;
    int mIndex = -1;
    std::shared_ptr<::Page> mPage;
    QMetaObject::Connection mPageConnection;
    bool mStale = true; // the page changed since the last rendering was asked for
    bool mPending = false;
    std::shared_ptr<PaintSurface> mRendering;
    PageRenderQueue mQueue;
    AlbumDragGesture mGesture;
};
