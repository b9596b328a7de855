#include "shell/ui/PlaceholderChildren.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "shell/AppServices.h"

namespace {

std::shared_ptr<Book> CurrentBook() {
    return Services().books ? Services().books->GetBook() : nullptr;
}

// Index the Previous/Next arithmetic starts from: the left page in two-page view.
int ViewIndex(const Book& book, int mode) {
    return mode == 2 ? book.GetLeftPageIndex() : book.GetPageIndex();
}

} // namespace

PlaceholderBookView::PlaceholderBookView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
}

bool PlaceholderBookView::HasPreviousPage() const {
    const auto book = CurrentBook();
    return book && ViewIndex(*book, mMode) > 0;
}

bool PlaceholderBookView::HasNextPage() const {
    const auto book = CurrentBook();
    if (!book)
        return false;
    const int count = book->PagesCount();
    if (mMode != 2)
        return book->GetPageIndex() < count - 1;
    return book->GetLeftPageIndex() < (count % 2 == 0 ? count - 1 : count - 2);
}

void PlaceholderBookView::NextPage() {
    if (const auto book = CurrentBook())
        book->SetPageIndex(book->GetPageIndex() + mMode);
    emit PrevNextStatusChanged();
}

void PlaceholderBookView::PreviousPage() {
    if (const auto book = CurrentBook())
        book->SetPageIndex(book->GetPageIndex() - mMode);
    emit PrevNextStatusChanged();
}

void PlaceholderBookView::SetPagesView(int view) {
    mMode = view;
    emit PrevNextStatusChanged();
}

PlaceholderSidePane::PlaceholderSidePane(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Mid);
}

void PlaceholderSidePane::AddFiles(const QStringList&) {
    // the photos pane imports them once it exists
}
