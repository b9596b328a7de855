#include "editing/ui/PageControl.h"

#include "editing/ui/BoxEditors.h"
#include "model/Templates.h"
#include "shell/AppServices.h"
#include "shell/Rounding.h"

#include <QPainter>

PageControl::PageControl(QWidget* parent, BookManager* manager) : QWidget(parent), mManager(manager) {
    mReloadPageTimer.setSingleShot(true);
    connect(&mReloadPageTimer, &QTimer::timeout, this, &PageControl::ReloadPage);
    setAcceptDrops(true);
    setMouseTracking(true);
}

PageControl::~PageControl() = default;

void PageControl::SetPageLocation(int left, int top) {
    move(left, top);
}

void PageControl::SetPageSize(int width, int height) {
    if (width < 0 || height < 0)
        return;
    resize(width, height);
    mReloadPageTimer.stop();
    mReloadPageTimer.setInterval(500);
    mReloadPageTimer.start();
}

void PageControl::ReloadPage() {
    mRendering = QImage();
    update();
}

int PageControl::GetCurrentPageIndex() const {
    return -1;
}

double PageControl::PixelToMmX(double x) const {
    const Templates* templates = Services().templates;
    return templates && width() > 0 ? templates->PageWidth() * x / width() : 0;
}

double PageControl::PixelToMmY(double y) const {
    const Templates* templates = Services().templates;
    return templates && height() > 0 ? templates->PageHeight() * y / height() : 0;
}

int PageControl::MmToPixelX(double mm) const {
    const Templates* templates = Services().templates;
    return templates ? int(RoundHalfEven(mm * width() / templates->PageWidth())) : 0;
}

int PageControl::MmToPixelY(double mm) const {
    const Templates* templates = Services().templates;
    return templates ? int(RoundHalfEven(mm * height() / templates->PageHeight())) : 0;
}

void PageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
}

void PageControl::showEvent(QShowEvent* event) { QWidget::showEvent(event); }
void PageControl::mouseMoveEvent(QMouseEvent* event) { QWidget::mouseMoveEvent(event); }
void PageControl::mousePressEvent(QMouseEvent* event) { QWidget::mousePressEvent(event); }
void PageControl::mouseDoubleClickEvent(QMouseEvent* event) { QWidget::mouseDoubleClickEvent(event); }
void PageControl::dragEnterEvent(QDragEnterEvent* event) { QWidget::dragEnterEvent(event); }
void PageControl::dragMoveEvent(QDragMoveEvent* event) { QWidget::dragMoveEvent(event); }
void PageControl::dropEvent(QDropEvent* event) { QWidget::dropEvent(event); }
