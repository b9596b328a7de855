#include "ui/bookview/TemplateTile.h"

#include "model/Template.h"
#include "ui/bookview/TemplatesPaneMath.h"

#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kPhotoFill(192, 192, 192);
const QColor kPhotoOutline(128, 128, 128);
const QColor kTextOutline(150, 150, 150);

// The outline inside the rectangle's pixels, as a pen of width 1 draws it.
void Outline(QPainter& painter, const QRect& r, const QColor& colour) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    painter.setPen(colour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace

TemplateTile::TemplateTile(double pageWidth, double pageHeight, QWidget* parent)
    : QWidget(parent), mPageWidth(pageWidth), mPageHeight(pageHeight) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setCursor(Qt::OpenHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TemplateTile::SetTemplate(std::shared_ptr<Template> aTemplate, int width, int height, int top,
                               int left, int /*index*/) {
    hide();
    mTemplate = std::move(aTemplate);
    setToolTip(mTemplate ? TemplatesPaneMath::TileTip(*mTemplate) : QString());
    setGeometry(left, top, width, height);
    update();
    show();
}

std::unique_ptr<QMimeData> TemplateTile::DragData() const {
    auto data = std::make_unique<QMimeData>();
    if (mTemplate)
        data->setText(TemplatesPaneMath::DragText(*mTemplate));
    return data;
}

void TemplateTile::paintEvent(QPaintEvent*) {
    if (!mTemplate)
        return;
    QPainter painter(this);
    const auto rect = [this](const Template::BoxPtr& box) {
        return TemplatesPaneMath::BoxRect(*box, width(), height(), mPageWidth, mPageHeight);
    };
    for (int i = 0; i < mTemplate->PhotoBoxCount(); ++i) {
        const QRect r = rect(mTemplate->PhotoBox(i));
        painter.fillRect(r, kPhotoFill);
        Outline(painter, r, kPhotoOutline);
    }
    for (int i = 0; i < mTemplate->TextBoxCount(); ++i)
        Outline(painter, rect(mTemplate->TextBox(i)), kTextOutline);
    if (hasFocus()) // the one Enter chooses
        Outline(painter, this->rect(), palette().color(QPalette::Highlight));
}

void TemplateTile::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mTemplate)
        return;
    setFocus(Qt::MouseFocusReason);
    auto* drag = new QDrag(this); // Qt deletes it when the drag ends
    drag->setMimeData(DragData().release());
    drag->setPixmap(grab().scaled(size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    drag->exec(Qt::CopyAction);
}

void TemplateTile::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && mTemplate)
        emit chosen();
}

void TemplateTile::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || !mTemplate)
        return QWidget::keyPressEvent(event); // the picker moves the focus
    emit chosen();
}
