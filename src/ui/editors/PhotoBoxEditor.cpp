#include "ui/editors/PhotoBoxEditor.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "ui/common/ButtonTips.h"
#include "ui/common/EditorToolbar.h"
#include "ui/common/GuardedStep.h"
#include "ui/common/ProgramIcons.h"
#include "ui/editors/EditorFocus.h"
#include "ui/editors/PhotoBoxEditMath.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolBar>
#include <QWheelEvent>

namespace {

// What the picture area shows when the photo cannot be drawn.
void DrawMissingPhoto(QPainter& painter, const QRect& area) {
    painter.fillRect(area, QColor(192, 192, 192));
    painter.setPen(QPen(QColor(64, 64, 64), 2));
    painter.drawRect(area.adjusted(1, 1, -1, -1));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topRight());
}

} // namespace

PhotoBoxEditor::PhotoBoxEditor(QWidget* parent, BookManager& manager, QImage tooSmallMarker)
    : QWidget(parent), mEvents(
                           this, manager, [this] { Destroy(); }, [this] { DestroyWithoutSave(); }),
      mTooSmallMarker(std::move(tooSmallMarker)) {
    BuildToolbar();
    mPicture = new QWidget(this);
    mPicture->setAttribute(Qt::WA_OpaquePaintEvent);
    mPicture->setFocusPolicy(Qt::ClickFocus);
    mPicture->setCursor(Qt::SizeAllCursor);
    mPicture->installEventFilter(this);
    mToolbar->raise(); // a toolbar moved down over the picture stays whole
    hide();
}

PhotoBoxEditor::~PhotoBoxEditor() { mEvents.UnfollowEdit(); }

void PhotoBoxEditor::BuildToolbar() {
    mToolbar = new QToolBar(this);
    mToolbar->setAutoFillBackground(true);
    mToolbar->setIconSize(QSize(20, 20));
    mToolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    mImageSizeSlider = new QSlider(Qt::Horizontal);
    mImageSizeSlider->setRange(kZoomSliderMin, kZoomSliderMax);
    mImageSizeSlider->setSingleStep(1);
    mImageSizeSlider->setPageStep(kZoomSliderPageStep);
    mImageSizeSlider->setValue(kZoomSliderMin);
    mImageSizeSlider->setFixedWidth(100);
    mImageSizeSlider->setToolTip(PhotoEditorTip(QStringLiteral("zoom")));
    connect(mImageSizeSlider, &QSlider::valueChanged, this, &PhotoBoxEditor::SliderStep);
    mImageSizeSlider->installEventFilter(this); // its wheel steps as the picture's
    const std::pair<const char*, const char*> buttons[] = {{"small", "zoom-out"},
                                                           {"big", "zoom-in"},
                                                           {"rotateLeft", "object-rotate-left"},
                                                           {"rotateRight", "object-rotate-right"}};
    for (const auto& [key, icon] : buttons) {
        const QString name = QString::fromLatin1(key);
        if (name == QLatin1String("big"))
            mToolbar->addWidget(mImageSizeSlider); // the zoom between its two buttons
        QAction* action = mToolbar->addAction(ProgramIcon(QLatin1String(icon)), QString());
        action->setData(name);
        action->setObjectName(name);
        action->setToolTip(PhotoEditorTip(name));
        connect(action, &QAction::triggered, this, [this, name] { ToolbarClick(name); });
    }
    QAction* done = AddDoneButton(mToolbar, QStringLiteral("ok"));
    connect(done, &QAction::triggered, this, [this] { ToolbarClick(QStringLiteral("ok")); });
    mToolbar->adjustSize();
}

QAction* PhotoBoxEditor::ToolbarButton(const QString& key) const {
    return ActionWithKey(mToolbar->actions(), key);
}

void PhotoBoxEditor::Init(const std::shared_ptr<PhotoImage>& aPhoto) {
    Destroy(); // normally done by the caller already
    std::shared_ptr<Page> aPage = aPhoto ? aPhoto->GetPage() : nullptr;
    if (!aPage)
        return;
    mPhoto = aPhoto;
    mPage = aPage;
    mBook = mEvents.Manager().GetBook();
    mFormBefore = mPage->Serialize();
    mEvents.FollowEdit(mBook.get(), mPage.get(), [this] {
        if (!isHidden()) // a change of the page while the editor shows
            Destroy();
    });
    mPictures = PhotoPictures();
    RunGuarded("Checking the photo's resolution", [this] { mPhoto->ChangeResolution(); });
    {
        const QSignalBlocker quiet(mImageSizeSlider);
        mImageSizeSlider->setValue(ZoomSliderValueForRatio(mPhoto->ratio()));
    }
    mPicture->hide();
    mToolbar->hide();
    hide();
    mLastMouse = QPointF(-1, -1);
    mWheel.Forget();
}

void PhotoBoxEditor::SetLocationAndSize(int aX, int aY, int aWidth, int aHeight) {
    if (!IsInitialized())
        return;
    const QSize bar = mToolbar->sizeHint();
    const int parentWidth = parentWidget() ? parentWidget()->width() : aX + aWidth;
    const PhotoEditorPlacement place =
        PlacePhotoEditor(QRect(aX, aY, aWidth, aHeight), bar, parentWidth);
    setGeometry(place.editor);
    mToolbar->setGeometry(QRect(place.toolbar, bar));
    mPicture->setGeometry(place.picture);
    // Only the toolbar and the picture cover the page; the rest of the
    // editor's rectangle lets clicks through.
    setMask(QRegion(mToolbar->geometry()) + QRegion(place.picture));
    mPicture->show();
    mToolbar->show();
    show();
    raise();
    Redraw();
}

void PhotoBoxEditor::Destroy() {
    if (!IsInitialized())
        return;
    if (mBook)
        RunGuarded("Saving a photo edit",
                   [this] { mEvents.Manager().Session().PhotoEdited(*mPage, mFormBefore); });
    DestroyWithoutSave();
}

void PhotoBoxEditor::DestroyWithoutSave() {
    if (!IsInitialized())
        return;
    mPictures = PhotoPictures();
    ReturnFocusToHost(this);
    mPicture->hide();
    hide();
    mEvents.UnfollowEdit();
    const std::shared_ptr<Page> edited = std::move(mPage);
    mPage.reset();
    mBook.reset();
    mFormBefore.clear();
    mPhoto.reset();
    mLastMouse = QPointF(-1, -1);
    edited->TextChanged(); // OnPageChange: every view of the page redraws
}

int PhotoBoxEditor::PageId() const { return mPage ? mPage->GetPageId() : -1; }

std::shared_ptr<const TemplateBox> PhotoBoxEditor::PhotoBox() const {
    return mPhoto ? mPhoto->PhotoBox() : nullptr;
}

void PhotoBoxEditor::ToolbarClick(const QString& key) {
    if (!IsInitialized())
        return;
    if (key == QLatin1String("small")) {
        StepZoom(-1);
    } else if (key == QLatin1String("big")) {
        StepZoom(1);
    } else if (key == QLatin1String("rotateLeft")) {
        Turn(AngleTurnedLeft(mPhoto->Angle()));
    } else if (key == QLatin1String("rotateRight")) {
        Turn(AngleTurnedRight(mPhoto->Angle()));
    } else if (key == QLatin1String("ok")) {
        Destroy();
    }
}

void PhotoBoxEditor::SliderStep() {
    if (!IsInitialized())
        return;
    RunGuarded("Zooming the photo",
               [this] { mPhoto->SetRatio(RatioForZoomSlider(mImageSizeSlider->value())); });
    Redraw();
}

void PhotoBoxEditor::StepZoom(int steps) {
    {
        const QSignalBlocker quiet(mImageSizeSlider);
        mImageSizeSlider->setValue(ZoomSliderSteppedBy(mImageSizeSlider->value(), steps));
    }
    SliderStep();
}

// A notch up zooms in by one step of the zoom buttons.
void PhotoBoxEditor::WheelZoom(QWheelEvent* event) {
    event->accept(); // the page below must not scroll
    const int notches = mWheel.Take(event->angleDelta().y());
    if (IsInitialized() && notches != 0)
        StepZoom(notches);
}

// The turned photo starts from its offsets exchanged, kept within the bounds
// of the turned picture.
void PhotoBoxEditor::Turn(int angle) {
    const QPoint turned = TurnedOffsets(QPoint(mPhoto->X(), mPhoto->Y()));
    RunGuarded("Turning the photo", [&] {
        mPhoto->SetAngle(angle);
        mPhoto->SetImageLocation(turned.x(), turned.y());
    });
    Redraw();
}

void PhotoBoxEditor::Redraw() { mPicture->update(); }

bool PhotoBoxEditor::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == mPicture || watched == mImageSizeSlider) && event->type() == QEvent::Wheel) {
        WheelZoom(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched != mPicture)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: PaintPicture(); return true;
    case QEvent::MouseButtonPress: PressPicture(static_cast<QMouseEvent*>(event)); return true;
    case QEvent::MouseMove: DragPicture(static_cast<QMouseEvent*>(event)); return true;
    default: return false;
    }
}

void PhotoBoxEditor::PaintPicture() {
    QPainter painter(mPicture);
    const QRect area = mPicture->rect();
    const bool drawn =
        mPhoto && RunGuarded("Drawing the photo being edited", [&] {
            DrawPhoto(painter, mPhoto->Placement(), area, true, mTooSmallMarker, mPictures);
        });
    if (!drawn)
        DrawMissingPhoto(painter, area);
    emit picturePainted();
}

void PhotoBoxEditor::PressPicture(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        mLastMouse = event->position();
}

void PhotoBoxEditor::DragPicture(QMouseEvent* event) {
    const QPointF now = event->position();
    if (!IsInitialized() || !(event->buttons() & Qt::LeftButton) || mLastMouse.x() == -1 ||
        mLastMouse.y() == -1 || now == mLastMouse)
        return;
    const QPoint offsets = DraggedOffsets(QPoint(mPhoto->X(), mPhoto->Y()), mLastMouse, now);
    if (mPhoto->SetImageLocation(offsets.x(), offsets.y()))
        Redraw();
    mLastMouse = now;
}

void PhotoBoxEditor::mousePressEvent(QMouseEvent* event) {
    event->accept(); // a press on the editor never reaches the view below
}

void PhotoBoxEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && IsInitialized()) {
        Destroy();
        return;
    }
    QWidget::keyPressEvent(event);
}
