#include "ui/editors/TextBoxEditView.h"

#include "render/TextRender.h"

#include <QAbstractTextDocumentLayout>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionGraphicsItem>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

// The toolbar key of a format shortcut, empty for any other key.
QString FormatKeyOf(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Bold))
        return QStringLiteral("bold");
    if (event.matches(QKeySequence::Italic))
        return QStringLiteral("italic");
    if (event.matches(QKeySequence::Underline))
        return QStringLiteral("underline");
    return QString();
}

} // namespace

bool TextBoxEditItem::sceneEvent(QEvent* event) {
    // The format keys are the text's, before any shortcut of the window.
    if (event->type() == QEvent::ShortcutOverride &&
        !FormatKeyOf(*static_cast<QKeyEvent*>(event)).isEmpty()) {
        event->accept();
        return true;
    }
    const bool handled = QGraphicsTextItem::sceneEvent(event);
    NoteSelection();
    return handled;
}

void TextBoxEditItem::NoteSelection() {
    const QTextCursor cursor = textCursor();
    if (cursor.position() == mLastPosition && cursor.anchor() == mLastAnchor)
        return;
    mLastPosition = cursor.position();
    mLastAnchor = cursor.anchor();
    emit selectionMoved();
}

void TextBoxEditItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                            QWidget* widget) {
    QStyleOptionGraphicsItem plain(*option);
    plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QGraphicsTextItem::paint(painter, &plain, widget);
}

void TextBoxEditItem::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit escapePressed();
        return;
    }
    if (const QString key = FormatKeyOf(*event); !key.isEmpty()) {
        event->accept();
        emit formatKeyPressed(key);
        return;
    }
    QGraphicsTextItem::keyPressEvent(event);
}

TextBoxEditView::TextBoxEditView(QWidget* parent)
    : QGraphicsView(parent), mScene(new QGraphicsScene(this)), mItem(new TextBoxEditItem) {
    setScene(mScene);
    mScene->addItem(mItem);
    mItem->setTextInteractionFlags(Qt::TextEditorInteraction);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setBackgroundBrush(Qt::white);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    connect(mItem, &TextBoxEditItem::selectionMoved, this, &TextBoxEditView::selectionMoved);
    connect(mItem, &TextBoxEditItem::escapePressed, this, &TextBoxEditView::escapePressed);
    connect(mItem, &TextBoxEditItem::formatKeyPressed, this, &TextBoxEditView::formatKeyPressed);
}

TextBoxEditView::~TextBoxEditView() {
    // The item lets go of the document before the document goes.
    delete mItem;
}

void TextBoxEditView::Load(const QString& rtf, QSizeF boxMm, const RtfDefaults& newText) {
    std::unique_ptr<QTextDocument> previous = std::move(mDocument);
    mBoxMm = boxMm;
    mDocument = EditorDocument(rtf, boxMm, newText);
    mDocument->setModified(false);
    mItem->setDocument(mDocument.get());
    QTextCursor start(mDocument.get());
    mItem->setTextCursor(start);
    connect(mDocument->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &TextBoxEditView::UpdateSceneRect);
    SetBoxWidth(std::max(1, viewport()->width()));
}

void TextBoxEditView::SetBoxWidth(int boxWidthPx) {
    if (!mDocument)
        return;
    mScale = EditorDisplayScale(boxWidthPx, mBoxMm);
    setTransform(QTransform::fromScale(mScale, mScale));
    // A text cursor of about one screen pixel at any scale.
    mDocument->documentLayout()->setProperty("cursorWidth",
                                             std::max(1, int(std::lround(1.0 / mScale))));
    UpdateSceneRect();
}

void TextBoxEditView::UpdateSceneRect() {
    if (!mDocument)
        return;
    const QSize layout = TextLayoutSize(mBoxMm);
    const QSizeF text = mDocument->size();
    setSceneRect(0, 0, layout.width(), std::max<double>(layout.height(), text.height()));
}

void TextBoxEditView::SetTextCursor(const QTextCursor& cursor) {
    mItem->setTextCursor(cursor);
    mItem->NoteSelection();
}

QPointF TextBoxEditView::IntoText(QPointF viewportPosition) const {
    const QRectF text = mItem->sceneBoundingRect();
    if (text.isEmpty() || text.contains(mapToScene(viewportPosition.toPoint())))
        return viewportPosition;
    // The text's pixels in the view less the edge ones: each maps back into
    // the text, whatever the scale rounds.
    const QRect pixels = mapFromScene(text).boundingRect();
    return QPointF(std::clamp(int(viewportPosition.x()), pixels.left(),
                              std::max(pixels.left(), pixels.right() - 1)),
                   std::clamp(int(viewportPosition.y()), pixels.top(),
                              std::max(pixels.top(), pixels.bottom() - 1)));
}

// The scene finds the items under the mouse by the global position, so that
// moves with the local one: a press below a short text still lands in it
// (and gives it the keyboard).
void TextBoxEditView::ForwardIntoText(QMouseEvent* event) {
    const QPointF inside = IntoText(event->position());
    QMouseEvent inText(event->type(), inside,
                       event->globalPosition() + (inside - event->position()), event->button(),
                       event->buttons(), event->modifiers(), event->pointingDevice());
    if (event->type() == QEvent::MouseButtonDblClick)
        QGraphicsView::mouseDoubleClickEvent(&inText);
    else
        QGraphicsView::mousePressEvent(&inText);
    event->setAccepted(inText.isAccepted());
}

void TextBoxEditView::mousePressEvent(QMouseEvent* event) {
    emit pressed();
    ForwardIntoText(event);
}

void TextBoxEditView::mouseDoubleClickEvent(QMouseEvent* event) { ForwardIntoText(event); }

void TextBoxEditView::FocusText() {
    setFocus(Qt::OtherFocusReason);
    mItem->setFocus(Qt::OtherFocusReason);
}
