#include "ui/bookview/BookView.h"

#include "base/Constants.h"
#include "model/Templates.h"
#include "ui/UiLog.h"
#include "ui/bookview/PageView.h"
#include "ui/common/ProgramIcons.h"
#include "ui/editors/PhotoBoxEditor.h"
#include "ui/editors/TextBoxEditor.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QWheelEvent>

namespace {

// The toolbar's buttons and their icons; the page view button's icon follows
// the view (SetPageViewButton).
struct ToolbarButtonIcon {
    const char* key;
    const char* icon;
};
constexpr ToolbarButtonIcon ToolbarButtons[] = {
    {"NewPage", "document-new"}, {"PageView", "page-one"},      {"PreviousPage", "go-previous"},
    {"NextPage", "go-next"},     {"Import", "document-import"}, {"Order", "book-order"}};
constexpr QSize kLabelSize(48, 18);
constexpr QSize kDeleteButtonSize(26, 22);

} // namespace

BookView::BookView(const UiContext& context, QWidget* parent) : QWidget(parent), mContext(context) {
    setMinimumSize(200, 150);
    setFocusPolicy(Qt::StrongFocus); // a click on the pages brings the keys here
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(background);

    mZoom = MakeZoomTable(mContext.strings.Text(u"cBookToolBarResizeFullScreen"));
    BuildPages();
    BuildScrollBars();
    BuildToolbar();
    BuildZoomList();
    SetTextBoxEditor(new ::TextBoxEditor(this, mContext.books, mContext.strings));
    SetPhotoBoxEditor(new ::PhotoBoxEditor(this, mContext.books, mContext.tooSmallMarker));
    mManagerFollower.Follow(&mContext.books, this, &BookView::OnBookChange);

    mPagesView = PagesView::TwoPages;
    mOnePageView->hide();
    mOnePageLabel->hide();
    mLeftPageView->SetPageType(PageView::PageType::LeftPage);
    mRightPageView->SetPageType(PageView::PageType::RightPage);
    mOnePageView->SetPageType(PageView::PageType::SinglePage);
    SetDeleteButtonStatus();
    SetPageViewButton(PagesView::TwoPages);
    mViewCombo->setCurrentIndex(0);
}

BookView::~BookView() = default;

void BookView::BuildToolbar() {
    mToolbar = new QToolBar(this);
    mToolbar->setIconSize(QSize(24, 24));
    mToolbar->setMovable(false);
    mToolbar->setAutoFillBackground(true);
    for (const auto& [key, icon] : ToolbarButtons) {
        QAction* action = mToolbar->addAction(ProgramIcon(QLatin1String(icon)), QString());
        action->setObjectName(QString::fromLatin1(key));
        connect(action, &QAction::triggered, this, [this, key = key] {
            try {
                Dispatch(QString::fromLatin1(key));
            } catch (...) {
                LogCaughtException(lcUi(), "A book view command; the view stays as it is");
            }
        });
    }
    SetButtonToolTip("NewPage", "cMenuBookNewPage");
    SetButtonToolTip("PreviousPage", "cMenuBookPreviousPage");
    SetButtonToolTip("NextPage", "cMenuBookNextPage");
    SetButtonToolTip("Import", "cMenuBookImportPhotos");
    SetButtonToolTip("Order", "cMenuBookOrder");
    mToolbar->addSeparator();
}

void BookView::AddToolbarActions(const QList<QAction*>& actions) { mToolbar->addActions(actions); }

void BookView::Dispatch(const QString& key) {
    if (key == u"NewPage")
        emit newPageRequested();
    else if (key == u"PageView")
        emit pageViewToggleRequested();
    else if (key == u"PreviousPage")
        emit previousPageRequested();
    else if (key == u"NextPage")
        emit nextPageRequested();
    else if (key == u"Import")
        emit importPhotosRequested();
    else if (key == u"Order")
        emit orderRequested();
}

void BookView::BuildZoomList() {
    mViewCombo = new QComboBox(mToolbar);
    for (const ZoomLevel& level : mZoom)
        mViewCombo->addItem(level.caption);
    mViewCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    mViewCombo->setToolTip(tr("Size of the pages on the screen"));
    mToolbar->addWidget(mViewCombo);
    connect(mViewCombo, &QComboBox::activated, this, &BookView::OnZoomPicked);
}

void BookView::BuildPages() {
    auto makePage = [this] {
        auto* surface = new PageView(mContext, this);
        surface->SetEditors(&mEditors);
        surface->installEventFilter(this); // the wheel over a page scrolls the view
        connect(surface, &PageView::findPhotoFileRequested, this,
                &BookView::findPhotoFileRequested);
        return surface;
    };
    mLeftPageView = makePage();
    mRightPageView = makePage();
    mOnePageView = makePage();

    auto makeLabel = [this](Qt::Alignment alignment) {
        auto* label = new QLabel(this);
        label->setFixedSize(kLabelSize);
        label->setAlignment(alignment | Qt::AlignVCenter);
        label->hide();
        return label;
    };
    mLeftPageLabel = makeLabel(Qt::AlignLeft);
    mRightPageLabel = makeLabel(Qt::AlignRight);
    mOnePageLabel = makeLabel(Qt::AlignHCenter);

    auto makeDelete = [this] {
        auto* button = new QPushButton(ProgramIcon(QStringLiteral("edit-delete")), QString(), this);
        button->setFixedSize(kDeleteButtonSize);
        button->setFlat(true);
        button->setToolTip(tr("Delete page"));
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, button] { DeletePageAt(button); });
        return button;
    };
    mLeftPageDeleteButton = makeDelete();
    mRightPageDeleteButton = makeDelete();
    mOnePageDeleteButton = makeDelete();
}

void BookView::BuildScrollBars() {
    mHScrollBar = new QScrollBar(Qt::Horizontal, this);
    mVScrollBar = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {mHScrollBar, mVScrollBar}) {
        bar->setRange(0, 0);
        bar->setSingleStep(BookViewLayout::kScrollSmallChange);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, &BookView::LayoutPages);
    }
    mScrollCorner = new QWidget(this);
    mScrollCorner->setAutoFillBackground(true); // the window's colour over the pages
    mScrollCorner->setBackgroundRole(QPalette::Window);
    mScrollCorner->hide();
}

QAction* BookView::ToolbarButton(const QString& key) const {
    for (QAction* action : mToolbar->actions())
        if (action->objectName() == key)
            return action;
    return nullptr;
}

void BookView::SetButtonToolTip(const QString& key, const QString& languageKey) {
    if (QAction* button = ToolbarButton(key))
        button->setToolTip(mContext.strings.Text(languageKey));
}

void BookView::SetPageViewButton(PagesView view) {
    QAction* button = ToolbarButton(QStringLiteral("PageView"));
    if (!button)
        return;
    const bool one = view == PagesView::OnePage;
    SetButtonToolTip(QStringLiteral("PageView"), one ? QStringLiteral("cMenuBookTwoPageView")
                                                     : QStringLiteral("cMenuBookOnePageView"));
    button->setIcon(ProgramIcon(one ? QStringLiteral("page-two") : QStringLiteral("page-one")));
}

int BookView::ZoomIndex() const { return mViewCombo->currentIndex(); }

void BookView::SetZoomIndex(int index) {
    if (index < 0 || index >= BookViewLayout::kZoomLevelCount)
        return;
    mViewCombo->setCurrentIndex(index);
    OnZoomPicked(index);
}

void BookView::OnZoomPicked(int index) {
    if (index < 0 || mZoom[index].width <= 0)
        return;
    UpdateScrollBars();
    LayoutPages();
    ApplyPageSize();
    update();
}

void BookView::SetPagesView(PagesView view) {
    CloseEditors();
    mPagesView = view;
    SetPageViewButton(mPagesView);
    const bool two = mPagesView == PagesView::TwoPages;
    mLeftPageView->setVisible(two);
    mRightPageView->setVisible(two);
    mOnePageView->setVisible(!two);
    UpdatePageLabels();
    SetDeleteButtonStatus();
    ResizeView();
    update();
}

BookViewLayout::ViewMetrics BookView::Metrics() const {
    BookViewLayout::ViewMetrics view;
    view.width = width();
    view.height = height();
    view.toolbarHeight = mToolbar->sizeHint().height();
    view.labelHeight = mLeftPageLabel->height();
    view.deleteButtonHeight = mLeftPageDeleteButton->height();
    view.mode = mPagesView;
    return view;
}

void BookView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    mToolbar->setGeometry(0, 0, width(), mToolbar->sizeHint().height());
    ResizeView();
}

void BookView::ResizeView() {
    const Templates& templates = mContext.templates;
    const QSize fit =
        BookViewLayout::FitPageSize(Metrics(), templates.PageWidth(), templates.PageHeight());
    SizeZoomTable(mZoom, fit, templates.PageWidthPixel(), templates.PageHeightPixel());
    UpdateScrollBars();
    ApplyPageSize();
    LayoutPages();
}

void BookView::UpdateScrollBars() {
    const ZoomLevel& chosen = mZoom[std::max(0, ZoomIndex())];
    const BookViewLayout::ScrollBars bars = BookViewLayout::ScrollBarsFor(
        Metrics(), QSize(chosen.width, chosen.height), QSize(mZoom[0].width, mZoom[0].height));
    if (!bars.shown) {
        mHScrollBar->setRange(0, 0);
        mVScrollBar->setRange(0, 0);
        mHScrollBar->hide();
        mVScrollBar->hide();
        mScrollCorner->hide();
        return;
    }
    mHScrollBar->setGeometry(bars.horizontal);
    mVScrollBar->setGeometry(bars.vertical);
    mScrollCorner->setGeometry(bars.corner);
    mHScrollBar->setRange(0, bars.horizontalMaximum);
    mVScrollBar->setRange(0, bars.verticalMaximum);
    mHScrollBar->setPageStep(bars.horizontalPageStep);
    mVScrollBar->setPageStep(bars.verticalPageStep);
    mHScrollBar->show();
    mVScrollBar->show();
    mScrollCorner->show();
    RaiseBars();
}

void BookView::ApplyPageSize() {
    const ZoomLevel& chosen = mZoom[std::max(0, ZoomIndex())];
    if (mPagesView == PagesView::OnePage) {
        mOnePageView->SetPageSize(chosen.width, chosen.height);
        return;
    }
    mLeftPageView->SetPageSize(chosen.width, chosen.height);
    mRightPageView->SetPageSize(chosen.width, chosen.height);
}

void BookView::LayoutPages() {
    const ZoomLevel& chosen = mZoom[std::max(0, ZoomIndex())];
    const QPoint scroll(mHScrollBar->isVisible() ? mHScrollBar->value() : 0,
                        mVScrollBar->isVisible() ? mVScrollBar->value() : 0);
    const BookViewLayout::PagePlaces places = BookViewLayout::PlacePages(
        Metrics(), QSize(chosen.width, chosen.height), QSize(mZoom[0].width, mZoom[0].height),
        scroll, kLabelSize.width(), kDeleteButtonSize.width());
    if (mPagesView == PagesView::OnePage) {
        mOnePageView->SetPageLocation(places.onePage.x(), places.onePage.y());
        mOnePageLabel->move(places.oneLabel);
        mOnePageDeleteButton->move(places.oneButton);
    } else {
        mLeftPageView->SetPageLocation(places.leftPage.x(), places.leftPage.y());
        mRightPageView->SetPageLocation(places.rightPage.x(), places.rightPage.y());
        mLeftPageLabel->move(places.leftLabel);
        mRightPageLabel->move(places.rightLabel);
        mLeftPageDeleteButton->move(places.leftButton);
        mRightPageDeleteButton->move(places.rightButton);
    }
    RaiseBars();
}

// The bars, their corner and the toolbar stay above pages scrolled under them.
void BookView::RaiseBars() {
    mHScrollBar->raise();
    mVScrollBar->raise();
    mScrollCorner->raise();
    mToolbar->raise();
}

void BookView::mousePressEvent(QMouseEvent* event) {
    CloseEditors();
    QWidget::mousePressEvent(event);
}

bool BookView::CloseEditors() {
    bool closed = false;
    if (mEditors.text && mEditors.text->IsInitialized()) {
        mEditors.text->Destroy();
        closed = true;
    }
    if (mEditors.photo && mEditors.photo->IsInitialized()) {
        mEditors.photo->Destroy();
        closed = true;
    }
    return closed;
}

void BookView::keyPressEvent(QKeyEvent* event) {
    if (RunKey(*event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void BookView::wheelEvent(QWheelEvent* event) {
    if (!ScrollByWheel(*event)) // the page fits: the wheel goes on as before
        QWidget::wheelEvent(event);
}

bool BookView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && qobject_cast<PageView*>(watched) &&
        ScrollByWheel(*static_cast<QWheelEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool BookView::ScrollByWheel(QWheelEvent& event) {
    if (mVScrollBar->isHidden())
        return false;
    const QPoint scrolled =
        BookViewLayout::WheelScrolled(QPoint(mHScrollBar->value(), mVScrollBar->value()),
                                      event.angleDelta(), event.modifiers() & Qt::ShiftModifier,
                                      QPoint(mHScrollBar->maximum(), mVScrollBar->maximum()),
                                      QApplication::wheelScrollLines() * mVScrollBar->singleStep());
    mHScrollBar->setValue(scrolled.x());
    mVScrollBar->setValue(scrolled.y());
    event.accept();
    return true;
}

namespace {

// The editors work in this view's pixels, above the pages.
void Adopt(QWidget* view, void* editorObject, QWidget* editorWidget) {
    if (!editorObject || !editorWidget)
        return;
    if (editorWidget->parentWidget() != view)
        editorWidget->setParent(view);
    editorWidget->raise();
}

} // namespace

void BookView::SetTextBoxEditor(TextBoxEditing* editor) {
    mEditors.text = editor;
    Adopt(this, editor, dynamic_cast<QWidget*>(editor));
}

void BookView::SetPhotoBoxEditor(PhotoBoxEditing* editor) {
    mEditors.photo = editor;
    Adopt(this, editor, dynamic_cast<QWidget*>(editor));
}
