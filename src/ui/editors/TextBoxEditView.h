#pragma once

#include "render/rtf/RtfReader.h"

#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QSizeF>
#include <QTextCursor>

#include <memory>

class QGraphicsScene;
class QTextDocument;

// The editable text of a text box. Tells when the cursor or the selection
// may have moved and when the mouse went down on it.
class TextBoxEditItem : public QGraphicsTextItem {
    Q_OBJECT
public:
    using QGraphicsTextItem::QGraphicsTextItem;

    // Emits SelectionMoved when the cursor or the selection moved since the last time.
    void NoteSelection();
    // The text without the frame items draw around themselves when focused.
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void selectionMoved();
    void escapePressed();
    // Ctrl+B, Ctrl+I or Ctrl+U: the toolbar key "bold", "italic" or "underline".
    void formatKeyPressed(const QString& key);

protected:
    bool sceneEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int mLastPosition = -1;
    int mLastAnchor = -1;
};

// The rich text of one text box, laid out in the lines the page rendering
// gives and shown scaled to the box's size on screen. Its frame is one pixel
// wide; inside it the box's pixels.
class TextBoxEditView : public QGraphicsView {
    Q_OBJECT
public:
    explicit TextBoxEditView(QWidget* parent = nullptr);
    ~TextBoxEditView() override;

    // Loads the stored text of a box of `boxMm` millimetres; an empty text
    // starts in `newText`'s font and size.
    void Load(const QString& rtf, QSizeF boxMm, const RtfDefaults& newText);
    // Shows the text at the scale of a box `boxWidthPx` pixels wide.
    void SetBoxWidth(int boxWidthPx);
    double DisplayScale() const { return mScale; }

    QTextDocument* Document() const { return mDocument.get(); }
    QTextCursor TextCursor() const { return mItem->textCursor(); }
    void SetTextCursor(const QTextCursor& cursor);
    // Keyboard focus into the text.
    void FocusText();
    TextBoxEditItem* Item() const { return mItem; }

signals:
    void selectionMoved();
    // A mouse button went down anywhere on the text.
    void pressed();
    void escapePressed();
    void formatKeyPressed(const QString& key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void UpdateSceneRect();
    // Presses below or beside the text land on its nearest edge.
    QPointF IntoText(QPointF viewportPosition) const;
    // A press or double click, at IntoText of its position.
    void ForwardIntoText(QMouseEvent* event);

    QGraphicsScene* mScene = nullptr;
    TextBoxEditItem* mItem = nullptr;
    std::unique_ptr<QTextDocument> mDocument;
    QSizeF mBoxMm;
    double mScale = 1.0;
};
