#pragma once

#include "ui/mainwindow/dialogs/BookCheckDialog.h"

#include <QObject>
#include <QPointer>

class BookCheckWatch;
class BookManager;
class BookView;
class Templates;
class WindowPrompts;

// The book check of the main window: Book > Check Book's list, which follows
// the book's changes while open, and the check before an order or a PDF.
class BookChecks : public QObject {
    Q_OBJECT
public:
    // The list opens over prompts.Owner(); a click in it shows its page and
    // box in `view`.
    BookChecks(BookManager& books, const Templates& catalogue, BookView& view,
               const WindowPrompts& prompts);
    ~BookChecks() override;

    // Opens the list (or brings it to the front) with the book checked now.
    void Open();
    // Checks the book: true when nothing was found or the user chose
    // Continue Anyway; Show Problems opens the list and gives false.
    bool LetGoOn();

    BookCheckDialog* Dialog() const { return mDialog; }
    BookCheckWatch& Watch() const { return *mWatch; }

private:
    BookView& mView;
    const WindowPrompts& mPrompts;
    BookCheckWatch* mWatch;
    QPointer<BookCheckDialog> mDialog;
};
