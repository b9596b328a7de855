#include "ui/mainwindow/UndoRedoItems.h"

#include "ui/bookview/BookView.h"
#include "ui/common/ProgramIcons.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>
#include <QUndoStack>

namespace {

// The platform's keys, and Ctrl+Y for redo everywhere.
QList<QKeySequence> RedoKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!keys.contains(ctrlY))
        keys << ctrlY;
    return keys;
}

template <typename Edit> bool StepInEdit(QWidget* focus, bool back) {
    auto* edit = qobject_cast<Edit*>(focus);
    if (!edit || edit->isReadOnly())
        return false;
    back ? edit->undo() : edit->redo();
    return true;
}

// The text box editor types into a text item of a graphics view.
bool StepInTextItem(QWidget* focus, bool back) {
    auto* view = qobject_cast<QGraphicsView*>(focus);
    QGraphicsItem* item = view && view->scene() ? view->scene()->focusItem() : nullptr;
    auto* text = dynamic_cast<QGraphicsTextItem*>(item);
    if (!text || !(text->textInteractionFlags() & Qt::TextEditable))
        return false;
    back ? text->document()->undo() : text->document()->redo();
    return true;
}

// Undo or redo in the text being typed in `window`, if the focus is in one;
// false when it is not.
bool StepInFocusedText(const QWidget* window, bool back) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != window)
        return false;
    return StepInEdit<QTextEdit>(focus, back) || StepInEdit<QPlainTextEdit>(focus, back) ||
           StepInEdit<QLineEdit>(focus, back) || StepInTextItem(focus, back);
}

} // namespace

UndoRedoItems::UndoRedoItems(QUndoStack& stack, BookView& bookView, QWidget* window, QMenu* menu)
    : QObject(menu), mStack(stack), mBookView(bookView), mWindow(window) {
    mUndo = menu->addAction(ProgramIcon(QStringLiteral("edit-undo")), QString());
    mUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    mUndo->setShortcuts(QKeySequence::Undo);
    connect(mUndo, &QAction::triggered, this, [this] { StepHistory(true); });
    mRedo = menu->addAction(ProgramIcon(QStringLiteral("edit-redo")), QString());
    mRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    mRedo->setShortcuts(RedoKeys());
    connect(mRedo, &QAction::triggered, this, [this] { StepHistory(false); });

    connect(&mStack, &QUndoStack::indexChanged, this, &UndoRedoItems::UpdateItems);
    connect(&mStack, &QUndoStack::cleanChanged, this, &UndoRedoItems::UpdateItems);
    connect(&mStack, &QUndoStack::undoTextChanged, this, &UndoRedoItems::UpdateItems);
    connect(&mStack, &QUndoStack::redoTextChanged, this, &UndoRedoItems::UpdateItems);
    UpdateItems();
}

// The items name the step they undo or redo ("Undo Delete Page").
void UndoRedoItems::UpdateItems() {
    mUndo->setText(mStack.canUndo() ? tr("Undo %1").arg(mStack.undoText()) : tr("Undo"));
    mRedo->setText(mStack.canRedo() ? tr("Redo %1").arg(mStack.redoText()) : tr("Redo"));
    mUndo->setEnabled(mStack.canUndo());
    mRedo->setEnabled(mStack.canRedo());
}

// While a text is typed, its own undo wins. An open box editor is closed
// first, so that its edit is a step of its own.
void UndoRedoItems::StepHistory(bool back) {
    if (StepInFocusedText(mWindow, back))
        return;
    mBookView.CloseEditors();
    back ? mStack.undo() : mStack.redo();
}
