#pragma once

// Which pages, numbers and delete buttons the book view shows, and whether
// it can move on, from the book's position alone.

struct BookPosition {
    int pageIndex = 0;  // the book's current page
    int leftIndex = -1; // the left page of the current facing pair
    int rightIndex = 0; // leftIndex + 1
    int pagesCount = 0;
    int minPages = 0;
};

bool HasNextPageAt(const BookPosition& at, int mode);
bool HasPreviousPageAt(const BookPosition& at, int mode);

// Shown labels and their 1-based numbers.
struct PageLabels {
    bool leftShown = false, rightShown = false, oneShown = false;
    int left = 0, right = 0, one = 0;
};
PageLabels PageLabelsAt(const BookPosition& at, int mode);

struct DeleteButtons {
    bool left = false, right = false, one = false;
    bool operator==(const DeleteButtons&) const = default;
};
// None at the book's minimum page count.
DeleteButtons DeleteButtonsAt(const BookPosition& at, int mode);
