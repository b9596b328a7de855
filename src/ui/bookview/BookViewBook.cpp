#include "ui/bookview/BookView.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "ui/UiLog.h"
#include "ui/bookview/BookViewPaging.h"
#include "ui/bookview/PageView.h"
#include "ui/common/GuardedStep.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

// Following the book manager and the current book.

namespace {

BookPosition PositionOf(const Book& book, const BookSession& session) {
    BookPosition at;
    at.pageIndex = session.PageIndex();
    at.leftIndex = session.LeftPageIndex();
    at.rightIndex = session.RightPageIndex();
    at.pagesCount = book.PagesCount();
    at.minPages = book.GetMinPages();
    return at;
}

} // namespace

std::shared_ptr<Book> BookView::CurrentBook() const { return mContext.books.GetBook(); }

BookSession& BookView::Session() const { return mContext.books.Session(); }

void BookView::OnBookChange() {
    FollowBook(CurrentBook());
    SetPrevNextPageButtonStatus();
    SetNewPageButtonStatus();
    SetDeleteButtonStatus();
    // Every book opens in the two-page view.
    mPagesView = PagesView::TwoPages;
    SetPageViewButton(mPagesView);
    mLeftPageView->show();
    mRightPageView->show();
    mOnePageView->hide();
    UpdatePageLabels();
    ResizeView();
    update();
}

void BookView::FollowBook(const std::shared_ptr<Book>& book) {
    mBookConnections.Clear();
    mBook = book;
    if (!book)
        return;
    mBookConnections.Replace(
        {connect(book.get(), &Book::pageAdded, this, &BookView::OnPageCountChange),
         connect(book.get(), &Book::pageDeleted, this, &BookView::OnPageCountChange),
         connect(&Session(), &BookSession::pageIndexChanged, this, &BookView::OnPageIndexChange)});
}

void BookView::OnPageCountChange() {
    SetDeleteButtonStatus();
    SetNewPageButtonStatus();
}

void BookView::OnPageIndexChange() {
    UpdatePageLabels();
    SetDeleteButtonStatus();
    SetPrevNextPageButtonStatus();
}

bool BookView::HasNextPage() const {
    const auto book = CurrentBook();
    return book && HasNextPageAt(PositionOf(*book, Session()), mPagesView);
}

bool BookView::HasPreviousPage() const {
    const auto book = CurrentBook();
    return book && HasPreviousPageAt(PositionOf(*book, Session()), mPagesView);
}

void BookView::NextPage() {
    SetDeleteButtonStatus();
    Session().ShowPage(Session().PageIndex() + PagesShown(mPagesView));
}

void BookView::PreviousPage() {
    Session().ShowPage(Session().PageIndex() - PagesShown(mPagesView));
}

void BookView::ShowProblem(int page, ProblemBox box) {
    Session().ShowPage(page);
    for (PageView* view : {mOnePageView, mLeftPageView, mRightPageView})
        if (view->isVisible() && view->GetCurrentPageIndex() == page)
            view->SelectBox(box);
}

bool BookView::RunKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape && event.modifiers() == Qt::NoModifier)
        return CloseEditors();
    const BookMove move = BookMoveForKey(event.key(), event.modifiers());
    const auto book = CurrentBook();
    if (move == BookMove::None || !book)
        return false;
    const int target = PageIndexAfterMove(PositionOf(*book, Session()), mPagesView, move);
    if (target < 0)
        return true; // at that end already
    if (move == BookMove::PreviousPage)
        PreviousPage();
    else if (move == BookMove::NextPage)
        NextPage();
    else
        Session().ShowPage(target);
    return true;
}

void BookView::SetPrevNextPageButtonStatus() {
    if (QAction* previous = ToolbarButton(QStringLiteral("PreviousPage")))
        previous->setEnabled(HasPreviousPage());
    if (QAction* next = ToolbarButton(QStringLiteral("NextPage")))
        next->setEnabled(HasNextPage());
    emit prevNextStatusChanged();
}

void BookView::SetNewPageButtonStatus() {
    const auto book = CurrentBook();
    if (QAction* newPage = ToolbarButton(QStringLiteral("NewPage")))
        newPage->setEnabled(book && book->PagesCount() < book->GetMaxPages());
}

void BookView::SetDeleteButtonStatus() {
    const auto book = CurrentBook();
    if (!book)
        return;
    const DeleteButtons shown = DeleteButtonsAt(PositionOf(*book, Session()), mPagesView);
    mLeftPageDeleteButton->setVisible(shown.left);
    mRightPageDeleteButton->setVisible(shown.right);
    mOnePageDeleteButton->setVisible(shown.one);
}

void BookView::AddNewPage() {
    if (CurrentBook())
        RunGuarded("Adding a page", [&] { Session().AddPage(); });
}

void BookView::UpdatePageLabels() {
    const auto book = CurrentBook();
    if (!book)
        return;
    const PageLabels labels = PageLabelsAt(PositionOf(*book, Session()), mPagesView);
    mLeftPageLabel->setText(QString::number(labels.left));
    mRightPageLabel->setText(QString::number(labels.right));
    mOnePageLabel->setText(QString::number(labels.one));
    mLeftPageLabel->setVisible(labels.leftShown);
    mRightPageLabel->setVisible(labels.rightShown);
    mOnePageLabel->setVisible(labels.oneShown);
}

void BookView::DeletePageAt(QPushButton* button) {
    const auto book = CurrentBook();
    if (!book)
        return;
    const int index = button == mOnePageDeleteButton    ? Session().PageIndex()
                      : button == mLeftPageDeleteButton ? Session().LeftPageIndex()
                                                        : Session().RightPageIndex();
    try {
        Session().DeletePage(index);
    } catch (...) {
        LogCaughtException(lcUi(), "Deleting a page");
    }
    SetDeleteButtonStatus();
}
