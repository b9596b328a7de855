#pragma once

#include <QObject>

class BookView;
class QAction;
class QMenu;
class QUndoStack;
class QWidget;

// The Undo and Redo items of the Edit menu over the book's steps. They name
// the step they undo or redo ("Undo Delete Page"); while a text is typed in
// the window, its own undo wins.
class UndoRedoItems : public QObject {
    Q_OBJECT
public:
    // Adds both items to `menu`; `window` is the window whose texts count.
    UndoRedoItems(QUndoStack& stack, BookView& bookView, QWidget* window, QMenu* menu);

    QAction* Undo() const { return mUndo; }
    QAction* Redo() const { return mRedo; }

private:
    void UpdateItems();
    void StepHistory(bool back);

    QUndoStack& mStack;
    BookView& mBookView;
    QWidget* mWindow;
    QAction* mUndo;
    QAction* mRedo;
};
