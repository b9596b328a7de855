#include "ui/bookview/BookViewPaging.h"

#include <gtest/gtest.h>

namespace {

// The book's pairs: (-1, 0), (1, 2), (3, 4), ...
BookPosition At(int pageIndex, int pagesCount, int minPages = 20) {
    BookPosition at;
    at.pageIndex = pageIndex;
    at.leftIndex = pageIndex % 2 == 1 ? pageIndex : pageIndex - 1;
    at.rightIndex = at.leftIndex + 1;
    at.pagesCount = pagesCount;
    at.minPages = minPages;
    return at;
}

constexpr PagesView One = PagesView::OnePage;
constexpr PagesView Two = PagesView::TwoPages;

} // namespace

TEST(BookViewPagingTest, NextInTwoPageViewStopsAtTheLastPair) {
    EXPECT_TRUE(HasNextPageAt(At(2, 5), Two));  // left 1: pair (3, 4) follows
    EXPECT_FALSE(HasNextPageAt(At(3, 5), Two)); // left 3: last pair
    EXPECT_FALSE(HasNextPageAt(At(4, 5), Two));
    EXPECT_TRUE(HasNextPageAt(At(4, 6), Two));  // left 3: page 5 stands alone after
    EXPECT_FALSE(HasNextPageAt(At(5, 6), Two)); // left 5
    EXPECT_TRUE(HasNextPageAt(At(0, 20), Two));
    EXPECT_FALSE(HasNextPageAt(At(19, 20), Two));
}

TEST(BookViewPagingTest, NextAndPreviousInOnePageView) {
    EXPECT_TRUE(HasNextPageAt(At(3, 5), One));
    EXPECT_FALSE(HasNextPageAt(At(4, 5), One));
    EXPECT_FALSE(HasPreviousPageAt(At(0, 5), One));
    EXPECT_TRUE(HasPreviousPageAt(At(1, 5), One));
}

TEST(BookViewPagingTest, PreviousInTwoPageViewNeedsALeftPageAfterTheFirst) {
    EXPECT_FALSE(HasPreviousPageAt(At(0, 20), Two)); // left -1
    EXPECT_TRUE(HasPreviousPageAt(At(1, 20), Two));
    EXPECT_TRUE(HasPreviousPageAt(At(2, 20), Two));
}

TEST(BookViewPagingTest, LabelsNumberTheShownPages) {
    PageLabels labels = PageLabelsAt(At(0, 20), Two);
    EXPECT_FALSE(labels.leftShown);
    EXPECT_TRUE(labels.rightShown);
    EXPECT_EQ(labels.right, 1);
    EXPECT_FALSE(labels.oneShown);

    labels = PageLabelsAt(At(4, 20), Two);
    EXPECT_TRUE(labels.leftShown);
    EXPECT_EQ(labels.left, 4);
    EXPECT_EQ(labels.right, 5);

    labels = PageLabelsAt(At(19, 20), Two); // left 19: no right page
    EXPECT_TRUE(labels.leftShown);
    EXPECT_FALSE(labels.rightShown);

    labels = PageLabelsAt(At(7, 20), One);
    EXPECT_TRUE(labels.oneShown);
    EXPECT_EQ(labels.one, 8);
    EXPECT_FALSE(labels.leftShown || labels.rightShown);
}

TEST(BookViewPagingTest, DeleteButtonsStandOverShownPagesAboveTheMinimum) {
    EXPECT_EQ(DeleteButtonsAt(At(0, 20), Two), DeleteButtons{}); // at the minimum
    EXPECT_EQ(DeleteButtonsAt(At(0, 21), Two), (DeleteButtons{false, true, false}));
    EXPECT_EQ(DeleteButtonsAt(At(3, 21), Two), (DeleteButtons{true, true, false}));
    EXPECT_EQ(DeleteButtonsAt(At(20, 22), Two), (DeleteButtons{true, true, false}));
    EXPECT_EQ(DeleteButtonsAt(At(21, 22), Two), (DeleteButtons{true, false, false}));
    EXPECT_EQ(DeleteButtonsAt(At(5, 21), One), (DeleteButtons{false, false, true}));
    EXPECT_EQ(DeleteButtonsAt(At(5, 20), One), DeleteButtons{});
}

TEST(BookViewPagingTest, OnlyPlainPageKeysMoveThroughTheBook) {
    EXPECT_EQ(BookMoveForKey(Qt::Key_PageUp, Qt::NoModifier), BookMove::PreviousPage);
    EXPECT_EQ(BookMoveForKey(Qt::Key_PageDown, Qt::NoModifier), BookMove::NextPage);
    EXPECT_EQ(BookMoveForKey(Qt::Key_Home, Qt::NoModifier), BookMove::FirstPage);
    EXPECT_EQ(BookMoveForKey(Qt::Key_End, Qt::KeypadModifier), BookMove::LastPage);
    EXPECT_EQ(BookMoveForKey(Qt::Key_End, Qt::ControlModifier), BookMove::None);
    EXPECT_EQ(BookMoveForKey(Qt::Key_PageDown, Qt::ShiftModifier), BookMove::None);
    EXPECT_EQ(BookMoveForKey(Qt::Key_Home, Qt::AltModifier | Qt::KeypadModifier), BookMove::None);
    EXPECT_EQ(BookMoveForKey(Qt::Key_Down, Qt::NoModifier), BookMove::None);
    EXPECT_EQ(PageIndexAfterMove(At(4, 20), Two, BookMove::None), -1);
}

TEST(BookViewPagingTest, MovesInTwoPageViewByPairsAndStopAtBothEnds) {
    using enum BookMove;
    // 20 pages: pairs (-1, 0), (1, 2), ... (17, 18), (19, -).
    EXPECT_EQ(PageIndexAfterMove(At(0, 20), Two, PreviousPage), -1);
    EXPECT_EQ(PageIndexAfterMove(At(0, 20), Two, FirstPage), -1); // page 1 is shown
    EXPECT_EQ(PageIndexAfterMove(At(0, 20), Two, NextPage), 2);
    EXPECT_EQ(PageIndexAfterMove(At(0, 20), Two, LastPage), 19);
    EXPECT_EQ(PageIndexAfterMove(At(1, 20), Two, PreviousPage), 0); // back to (-1, 0)
    EXPECT_EQ(PageIndexAfterMove(At(18, 20), Two, NextPage), 19);   // not past the book
    EXPECT_EQ(PageIndexAfterMove(At(18, 20), Two, LastPage), 19);
    EXPECT_EQ(PageIndexAfterMove(At(19, 20), Two, NextPage), -1);
    EXPECT_EQ(PageIndexAfterMove(At(19, 20), Two, LastPage), -1);
    EXPECT_EQ(PageIndexAfterMove(At(19, 20), Two, PreviousPage), 17);
    EXPECT_EQ(PageIndexAfterMove(At(19, 20), Two, FirstPage), 0);
    // 21 pages: the last pair (19, 20) is full.
    EXPECT_EQ(PageIndexAfterMove(At(17, 21), Two, NextPage), 19);
    EXPECT_EQ(PageIndexAfterMove(At(17, 21), Two, LastPage), 20);
    EXPECT_EQ(PageIndexAfterMove(At(19, 21), Two, LastPage), -1); // page 21 is shown
    EXPECT_EQ(PageIndexAfterMove(At(20, 21), Two, NextPage), -1);
    EXPECT_EQ(PageIndexAfterMove(At(0, 0), Two, LastPage), -1); // no pages at all
}

TEST(BookViewPagingTest, MovesInOnePageViewByPagesAndStopAtBothEnds) {
    using enum BookMove;
    EXPECT_EQ(PageIndexAfterMove(At(0, 20), One, PreviousPage), -1);
    EXPECT_EQ(PageIndexAfterMove(At(0, 20), One, FirstPage), -1);
    EXPECT_EQ(PageIndexAfterMove(At(0, 20), One, NextPage), 1);
    EXPECT_EQ(PageIndexAfterMove(At(0, 20), One, LastPage), 19);
    EXPECT_EQ(PageIndexAfterMove(At(1, 20), One, FirstPage), 0); // page 1 is not shown beside it
    EXPECT_EQ(PageIndexAfterMove(At(19, 20), One, NextPage), -1);
    EXPECT_EQ(PageIndexAfterMove(At(19, 20), One, LastPage), -1);
    EXPECT_EQ(PageIndexAfterMove(At(19, 20), One, PreviousPage), 18);
    EXPECT_EQ(PageIndexAfterMove(At(19, 20), One, FirstPage), 0);
    EXPECT_EQ(PageIndexAfterMove(At(18, 20), One, LastPage), 19);
}
