#pragma once

#include "model/Book.h"

#include <QStringList>
#include <QUndoCommand>
#include <utility>

// What a step's last redo or undo leaves for the session to show: the page
// it changed (-1: none), and whether the photos it left on no page take
// their place in the book's photo order (else they go last).
struct StepOutcome {
    int page = -1;
    bool inBookOrder = false;
};

// One user operation on the current book, on the session's undo stack. Its
// redo makes the change and its undo takes it back; both save the book
// (Book::SaveBook). A command made for a change already done (the session
// makes changes first, so that a failing one leaves no step) only saves on
// its first redo. Commands change the book alone; the session reads their
// outcome after each redo and undo and tells the panes.
class BookCommand : public QUndoCommand {
public:
    BookCommand(Book& book, const QString& name);

    // The photos out of the pool whose files this step can bring back.
    virtual QStringList HeldPhotos() const { return {}; }
    // The outcome of the last redo or undo; cleared by the call.
    StepOutcome TakeOutcome() { return std::exchange(mOutcome, {}); }

protected:
    // A failed save is reported by the book (saveFailed) and logged here.
    void Save() const;
    // False on the first call: the change is already made.
    bool Repeating() { return std::exchange(mDone, true); }

    Book& mBook;
    StepOutcome mOutcome;

private:
    bool mDone = false;
};

// Photos that join or leave a book's pool in one step, by name.
struct PoolChange {
    QStringList names;
    QStringList order; // the pool's photo names with them, which places them on coming back

    // Brings them back into the pool, their files out of the held ones first.
    void Bring(Book& book) const;
    // Takes them out of the pool; their files stay until Hold.
    void Take(Book& book) const;
    // Moves their files aside (HeldPhotoFiles); after the save that drops them.
    void Hold(const Book& book) const;
};

class AddPageCommand : public BookCommand {
public:
    AddPageCommand(Book& book, const QString& name);
    void redo() override;
    void undo() override;
};

class DeletePageCommand : public BookCommand {
public:
    // Throws LumbraError for an index outside the pages.
    DeletePageCommand(Book& book, int index, const QString& name);
    void redo() override;
    void undo() override;

private:
    int mIndex;
    QString mForm;
};

class SwapPagesCommand : public BookCommand {
public:
    SwapPagesCommand(Book& book, int a, int b, const QString& name);
    void redo() override;
    void undo() override;

private:
    int mA;
    int mB;
};

// Pages [first, first + count) to stand before the page at `before`.
class MovePagesCommand : public BookCommand {
public:
    MovePagesCommand(Book& book, int first, int count, int before, const QString& name);
    void redo() override;
    void undo() override;

private:
    int mFirst;
    int mCount;
    int mBefore;
};

// Changes inside pages (photos placed, moved, edited or taken off, texts,
// templates, backgrounds, a fill), with the photos an import brought into
// the pool for them: the forms of the pages before and after the change.
class PagesCommand : public BookCommand {
public:
    PagesCommand(Book& book, const QString& name, PageForms before, PageForms after,
                 PoolChange imported = {});
    void redo() override;
    void undo() override;
    QStringList HeldPhotos() const override { return mImported.names; }

private:
    PageForms mBefore;
    PageForms mAfter;
    PoolChange mImported;
};

// Photos deleted from the pool (standing on no page).
class DeletePhotosCommand : public BookCommand {
public:
    DeletePhotosCommand(Book& book, PoolChange deleted, const QString& name);
    void redo() override;
    void undo() override;
    QStringList HeldPhotos() const override { return mDeleted.names; }

private:
    PoolChange mDeleted;
};
