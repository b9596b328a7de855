#pragma once

#include "ui/bookview/ManagerFollower.h"

#include "base/ConnectionGroup.h"
#include "render/PageRenderQueue.h"
#include "render/check/BookProblem.h"
#include "ui/bookview/PageClickTracker.h"

#include <QImage>
#include <QMetaObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

class Book;
class BookManager;
class PageRenderer;
class QMimeData;
class TemplateBox;
class Templates;
class Page;
class PhotoImage;
struct BoxEditors;
struct UiContext;

// One page of the current book at the book view's zoom: shows the page's
// thumbnail at once and its full rendering a moment later, takes drops of
// photos, templates, backgrounds and files, drags its photos out and opens
// the box editors over its boxes. Positions are in the book view's pixels.
// Renderings are made on the thread pool from a snapshot of the page.
class PageView : public QWidget {
    Q_OBJECT
public:
    // Which page of the book it shows: the left or right one of the facing
    // pair, or the current page in the one-page view.
    enum class PageType { LeftPage, RightPage, SinglePage };

    // Follows the context's book manager and renders with its renderer.
    explicit PageView(const UiContext& context, QWidget* parent = nullptr);
    ~PageView() override;

    // Also picks the page of that type from the book.
    void SetPageType(PageType type);
    // The book view's editors (may hold nulls); the pointer must outlive this.
    void SetEditors(const BoxEditors* editors) { mEditors = editors; }
    // Replaces the context's renderer.
    void SetRenderer(std::shared_ptr<const PageRenderer> renderer);

    void SetPageLocation(int left, int top);
    // Negative sizes are ignored; renders 500 ms after the last call.
    void SetPageSize(int width, int height);
    // Starts a rendering of the page at the surface's size.
    void ReloadPage();
    int GetCurrentPageIndex() const;

    const std::shared_ptr<Page>& ShownPage() const { return mPage; }
    // The picture painted now: the page's thumbnail until the rendering is in.
    bool ShowsPreview() const { return !mPreview.isNull(); }
    bool ShowsRendering() const { return mPreview.isNull() && !mRendering.isNull(); }
    const QImage& Preview() const { return mPreview; }
    const QImage& Rendering() const { return mRendering; }
    bool ReloadPending() const { return mReloadPageTimer.isActive(); }
    int ReloadInterval() const { return mReloadPageTimer.interval(); }
    // A rendering runs or waits.
    bool RenderBusy() const { return mRenderQueue.Busy(); }

    // Pixel <-> mm of the page at the surface's size.
    double PixelToMmX(double x) const;
    double PixelToMmY(double y) const;
    int MmToPixelX(double mm) const;
    int MmToPixelY(double mm) const;

    // The tooltip of the warning mark at a point of the surface: a photo too
    // small for print or a text cut by its box; empty elsewhere.
    QString ToolTipAt(QPoint position) const;

    // Opens a box editor over a box, as a click on the box does.
    void OpenTextEditor(int index);
    void OpenPhotoEditor(int index);
    // Shows a box the book check names: opens its editor as a click does, or
    // frames an empty photo box until the next click or page.
    void SelectBox(ProblemBox box);
    int FramedPhotoBox() const { return mFramedPhotoBox; }

signals:
    // The user asks to find the file of a photo whose file is gone.
    void findPhotoFileRequested(const std::shared_ptr<PhotoImage>& photo);
    // A full rendering replaced the picture.
    void pageRendered();
    // A drop reached its end (the book was saved unless it failed).
    void dropDone();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Over a photo box with a photo: a menu that takes the photo off.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnBookChange();
    void FollowBook(const std::shared_ptr<Book>& book);
    void FollowPage(const std::shared_ptr<Page>& aPage);
    void OnPageIndexChange();
    void OnPageChanged(int index);
    void OnDeletePage(int pageCount);
    std::shared_ptr<Page> ChoosePage() const;
    void ShowPage();
    bool TakePreview();
    void StartReloadTimer(int milliseconds);
    void OnRendered(const QImage& picture);

    // A box's rectangle in the book view's pixels.
    QRect BoxRect(const TemplateBox& box) const;
    void RunClick(const PageClickTracker::Action& action);
    void ClosePhotoEditor();
    void PlaceEditors();
    void StartDrag(int photoBox);
    bool AcceptsDragAt(const QMimeData* data, QPointF position) const;
    // The photo goes back to the photos pane: one undo step.
    void RemovePhotoFromBox(int photoBox);

    BookManager& mManager;
    const Templates& mTemplates;
    ManagerFollower mManagerFollower;
    const BoxEditors* mEditors = nullptr;
    PageType mPageType = PageType::SinglePage;
    std::shared_ptr<Book> mBook;
    std::shared_ptr<Page> mPage;
    ConnectionGroup mBookConnections;
    QMetaObject::Connection mPageConnection;

    QImage mRendering;
    QImage mPreview;
    PageClickTracker mClicks;
    QTimer mReloadPageTimer;
    PageRenderQueue mRenderQueue;
    bool mDropping = false; // files dropped here are being imported
    int mFramedPhotoBox = -1;
};
