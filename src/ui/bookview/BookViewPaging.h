#pragma once

#include <Qt>

// Which pages, numbers and delete buttons the book view shows, whether it
// can move on and where its keys lead, from the book's position alone.

// The book view shows one page or two facing pages at a time.
enum class PagesView { OnePage, TwoPages };

// Pages shown at a time, which is also how far the previous and next buttons move.
constexpr int PagesShown(PagesView view) { return view == PagesView::OnePage ? 1 : 2; }

struct BookPosition {
    int pageIndex = 0;  // the book's current page
    int leftIndex = -1; // the left page of the current facing pair
    int rightIndex = 0; // leftIndex + 1
    int pagesCount = 0;
    int minPages = 0;
};

bool HasNextPageAt(const BookPosition& at, PagesView mode);
bool HasPreviousPageAt(const BookPosition& at, PagesView mode);

// Shown labels and their 1-based numbers.
struct PageLabels {
    bool leftShown = false, rightShown = false, oneShown = false;
    int left = 0, right = 0, one = 0;
};
PageLabels PageLabelsAt(const BookPosition& at, PagesView mode);

struct DeleteButtons {
    bool left = false, right = false, one = false;
    bool operator==(const DeleteButtons&) const = default;
};
// None at the book's minimum page count.
DeleteButtons DeleteButtonsAt(const BookPosition& at, PagesView mode);

// The book view's keys: Page Up / Page Down by one page or pair, Home / End
// to the first / last page.
enum class BookMove { None, PreviousPage, NextPage, FirstPage, LastPage };
// The move of a key pressed without Shift, Ctrl, Alt or Meta; None for others.
BookMove BookMoveForKey(int key, Qt::KeyboardModifiers modifiers);
// The page index the move sets, or -1 when the view cannot move that way or
// already shows that page.
int PageIndexAfterMove(const BookPosition& at, PagesView mode, BookMove move);
