#include "editing/ui/BookControl.h"

#include "shell/AppServices.h"

// Following the book manager and the current book. Until the book model is
// in, the view shows no book: nothing to page through or delete.

BookManager* BookControl::Manager() const {
    return mManager ? mManager : Services().books;
}

std::shared_ptr<Book> BookControl::CurrentBook() const {
    return mBook;
}

void BookControl::FollowManager() {}
void BookControl::OnBookChange() {}
void BookControl::FollowBook(const std::shared_ptr<Book>&) {}
void BookControl::OnPageCountChange() {}
void BookControl::OnPageIndexChange() {}

bool BookControl::HasNextPage() const { return false; }
bool BookControl::HasPreviousPage() const { return false; }
void BookControl::NextPage() {}
void BookControl::PreviousPage() {}
void BookControl::SetPrevNextPageButtonStatus() { emit PrevNextStatusChanged(); }
void BookControl::SetNewPageButtonStatus() {}
void BookControl::SetDeleteButtonStatus() {}
void BookControl::AddNewPage() {}
void BookControl::UpdatePageLabels() {}
void BookControl::DeletePageAt(QPushButton*) {}
