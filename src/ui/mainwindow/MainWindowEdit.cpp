// The Edit menu: undo and redo of the book's steps, and the preferences.
#include "ui/mainwindow/MainWindow.h"

#include "model/BookManager.h"
#include "model/BookSession.h"
#include "ui/common/ProgramIcons.h"
#include "ui/mainwindow/dialogs/PreferencesDialog.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>

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

void MainWindow::CreateEditMenu(QMenuBar* bar) {
    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    mActions.editUndo = edit->addAction(ProgramIcon(QStringLiteral("edit-undo")), QString());
    mActions.editUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    mActions.editUndo->setShortcuts(QKeySequence::Undo);
    connect(mActions.editUndo, &QAction::triggered, this, [this] { StepHistory(true); });
    mActions.editRedo = edit->addAction(ProgramIcon(QStringLiteral("edit-redo")), QString());
    mActions.editRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    mActions.editRedo->setShortcuts(RedoKeys());
    connect(mActions.editRedo, &QAction::triggered, this, [this] { StepHistory(false); });
    edit->addSeparator();
    QAction* preferences = edit->addAction(tr("&Preferences..."));
    preferences->setObjectName(QStringLiteral("mnuEditPreferences"));
    preferences->setShortcuts(QKeySequence::Preferences);
    preferences->setMenuRole(QAction::PreferencesRole);
    mActions.editPreferences = preferences;
    connect(preferences, &QAction::triggered, this, [this] { OpenPreferences(this); });

    const QUndoStack& stack = mBooks.Session().Stack();
    connect(&stack, &QUndoStack::indexChanged, this, &MainWindow::UpdateEditItems);
    connect(&stack, &QUndoStack::cleanChanged, this, &MainWindow::UpdateEditItems);
    connect(&stack, &QUndoStack::undoTextChanged, this, &MainWindow::UpdateEditItems);
    connect(&stack, &QUndoStack::redoTextChanged, this, &MainWindow::UpdateEditItems);
    UpdateEditItems();
    mBookView->AddToolbarActions({mActions.editUndo, mActions.editRedo});
}

// The items name the step they undo or redo ("Undo Delete Page").
void MainWindow::UpdateEditItems() {
    const QUndoStack& stack = mBooks.Session().Stack();
    mActions.editUndo->setText(stack.canUndo() ? tr("Undo %1").arg(stack.undoText()) : tr("Undo"));
    mActions.editRedo->setText(stack.canRedo() ? tr("Redo %1").arg(stack.redoText()) : tr("Redo"));
    mActions.editUndo->setEnabled(stack.canUndo());
    mActions.editRedo->setEnabled(stack.canRedo());
}

// While a text is typed, its own undo wins. An open box editor is closed
// first, so that its edit is a step of its own.
void MainWindow::StepHistory(bool back) {
    if (StepInFocusedText(this, back))
        return;
    mBookView->CloseEditors();
    QUndoStack& stack = mBooks.Session().Stack();
    back ? stack.undo() : stack.redo();
}
