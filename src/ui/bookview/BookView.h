#pragma once

#include "ui/bookview/ManagerFollower.h"

#include "base/ConnectionGroup.h"
#include "render/check/BookProblem.h"
#include "ui/bookview/BookViewLayout.h"
#include "ui/common/UiContext.h"
#include "ui/editors/BoxEditors.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class Book;
class BookManager;
class PhotoImage;
class BookSession;
class PageView;
class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolBar;
class QWheelEvent;

// The book view: the current book one page or two facing pages at a time,
// with its toolbar, zoom list, scroll bars, page numbers under the pages and
// a delete button above each shown page. It keeps no book state of its own;
// the toolbar's commands go to the main window through the *Requested signals.
class BookView : public QWidget {
    Q_OBJECT
public:
    // Follows the context's book manager.
    explicit BookView(const UiContext& context, QWidget* parent = nullptr);
    ~BookView() override;

    bool HasNextPage() const;
    bool HasPreviousPage() const;
    // Moves the session's page index by the view mode (2 in the two-page view).
    void NextPage();
    void PreviousPage();
    // Shows page `page` and there the box the book check names.
    void ShowProblem(int page, ProblemBox box);
    PagesView GetPagesView() const { return mPagesView; }
    void SetPagesView(PagesView view);

    // Enables the toolbar's previous/next buttons, then prevNextStatusChanged.
    void SetPrevNextPageButtonStatus();
    void SetNewPageButtonStatus();
    void SetDeleteButtonStatus();
    // Adds a page as one step of the session, which saves the book.
    void AddNewPage();

    // The view's keys, also when they reach the main window: Escape closes an
    // open box editor as a click beside the pages does (the edit is kept and
    // saved); Page Up / Page Down move as the previous / next buttons, Home /
    // End to the first / last page. False for any other key.
    bool RunKey(const QKeyEvent& event);

    // The hosted box editors, made with the view; the setters replace them
    // (tests). An editor that is a widget becomes a child of this view,
    // above the pages.
    void SetTextBoxEditor(TextBoxEditing* editor);
    // Closes both editors with their edits saved; false when none was open.
    bool CloseEditors();
    // Buttons of the main window's commands at the end of the toolbar.
    void AddToolbarActions(const QList<QAction*>& actions);
    void SetPhotoBoxEditor(PhotoBoxEditing* editor);
    TextBoxEditing* TextBoxEditor() const { return mEditors.text; }
    PhotoBoxEditing* PhotoBoxEditor() const { return mEditors.photo; }

    // The zoom list: 0 fits the window, 1..12 are n/6 of the page's pixel size.
    int ZoomIndex() const;
    void SetZoomIndex(int index);
    const ZoomTable& ZoomLevels() const { return mZoom; }

    // Parts, for the main window's screenshots and for tests.
    PageView* LeftPageView() const { return mLeftPageView; }
    PageView* RightPageView() const { return mRightPageView; }
    PageView* OnePageView() const { return mOnePageView; }
    QToolBar* Toolbar() const { return mToolbar; }
    QLabel* LeftPageLabel() const { return mLeftPageLabel; }
    QLabel* RightPageLabel() const { return mRightPageLabel; }
    QLabel* OnePageLabel() const { return mOnePageLabel; }
    QPushButton* LeftPageDeleteButton() const { return mLeftPageDeleteButton; }
    QPushButton* RightPageDeleteButton() const { return mRightPageDeleteButton; }
    QScrollBar* HScrollBar() const { return mHScrollBar; }
    QScrollBar* VScrollBar() const { return mVScrollBar; }
    // The plain square where the two bars meet.
    QWidget* ScrollCorner() const { return mScrollCorner; }
    // The toolbar button of a key ("NewPage", "PageView", ...), null if none.
    QAction* ToolbarButton(const QString& key) const;

signals:
    // The previous/next state may have changed: the main window updates its menu.
    void prevNextStatusChanged();
    void newPageRequested();
    void pageViewToggleRequested();
    void previousPageRequested();
    void nextPageRequested();
    void importPhotosRequested();
    void orderRequested();
    void findPhotoFileRequested(const std::shared_ptr<PhotoImage>& photo);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Over a zoomed page the wheel scrolls it (Shift+wheel sideways).
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolbar();
    // Sends a toolbar key's command to the main window; unknown keys do nothing.
    void Dispatch(const QString& key);
    void BuildZoomList();
    void BuildPages();
    void BuildScrollBars();
    void RaiseBars();
    void SetButtonToolTip(const QString& key, const QString& languageKey);
    void SetPageViewButton(PagesView view);

    std::shared_ptr<Book> CurrentBook() const;
    BookSession& Session() const;
    void OnBookChange();
    void FollowBook(const std::shared_ptr<Book>& book);
    void OnPageCountChange();
    void OnPageIndexChange();

    void ResizeView();
    BookViewLayout::ViewMetrics Metrics() const;
    void UpdateScrollBars();
    void ApplyPageSize();
    void LayoutPages();
    void UpdatePageLabels();
    void OnZoomPicked(int index);
    // Scrolls the zoomed pages by the wheel; false when they fit the view.
    bool ScrollByWheel(QWheelEvent& event);
    // Removes the page under the button and saves the book.
    void DeletePageAt(QPushButton* button);

    UiContext mContext;
    ManagerFollower mManagerFollower;
    std::shared_ptr<Book> mBook;
    ConnectionGroup mBookConnections;

    PagesView mPagesView = PagesView::TwoPages;
    ZoomTable mZoom;
    BoxEditors mEditors;

    QToolBar* mToolbar = nullptr;
    QComboBox* mViewCombo = nullptr;
    QScrollBar* mHScrollBar = nullptr;
    QScrollBar* mVScrollBar = nullptr;
    QWidget* mScrollCorner = nullptr;
    PageView* mLeftPageView = nullptr;
    PageView* mRightPageView = nullptr;
    PageView* mOnePageView = nullptr;
    QLabel* mLeftPageLabel = nullptr;
    QLabel* mRightPageLabel = nullptr;
    QLabel* mOnePageLabel = nullptr;
    QPushButton* mLeftPageDeleteButton = nullptr;
    QPushButton* mRightPageDeleteButton = nullptr;
    QPushButton* mOnePageDeleteButton = nullptr;
};
