#include "ui/bookview/BookViewPaging.h"

#include <algorithm>

bool HasNextPageAt(const BookPosition& at, PagesView mode) {
    if (mode == PagesView::TwoPages) {
        const int lastLeft = at.pagesCount % 2 == 0 ? at.pagesCount - 1 : at.pagesCount - 2;
        return at.leftIndex < lastLeft;
    }
    return at.pageIndex < at.pagesCount - 1;
}

bool HasPreviousPageAt(const BookPosition& at, PagesView mode) {
    return (mode == PagesView::TwoPages ? at.leftIndex : at.pageIndex) > 0;
}

PageLabels PageLabelsAt(const BookPosition& at, PagesView mode) {
    PageLabels labels;
    if (mode == PagesView::OnePage) {
        labels.oneShown = true;
        labels.one = at.pageIndex + 1;
        return labels;
    }
    labels.leftShown = at.leftIndex >= 0;
    labels.left = at.leftIndex + 1;
    labels.rightShown = at.leftIndex + 1 < at.pagesCount;
    labels.right = at.leftIndex + 2;
    return labels;
}

DeleteButtons DeleteButtonsAt(const BookPosition& at, PagesView mode) {
    DeleteButtons buttons;
    if (at.minPages >= at.pagesCount)
        return buttons;
    const bool two = mode == PagesView::TwoPages;
    buttons.left = two && at.leftIndex >= 0;
    buttons.right = two && at.rightIndex < at.pagesCount;
    buttons.one = !two;
    return buttons;
}

BookMove BookMoveForKey(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier)
        return BookMove::None;
    switch (key) {
    case Qt::Key_PageUp: return BookMove::PreviousPage;
    case Qt::Key_PageDown: return BookMove::NextPage;
    case Qt::Key_Home: return BookMove::FirstPage;
    case Qt::Key_End: return BookMove::LastPage;
    default: return BookMove::None;
    }
}

namespace {

bool IsShown(const BookPosition& at, PagesView mode, int index) {
    if (mode == PagesView::OnePage)
        return at.pageIndex == index;
    return index == at.leftIndex || index == at.leftIndex + 1;
}

} // namespace

int PageIndexAfterMove(const BookPosition& at, PagesView mode, BookMove move) {
    // Previous / next move the index by the pages shown; the book keeps it inside its pages.
    const int step = PagesShown(mode);
    const auto inBook = [&](int index) { return std::clamp(index, 0, at.pagesCount - 1); };
    int target = -1;
    switch (move) {
    case BookMove::PreviousPage:
        return HasPreviousPageAt(at, mode) ? inBook(at.pageIndex - step) : -1;
    case BookMove::NextPage: return HasNextPageAt(at, mode) ? inBook(at.pageIndex + step) : -1;
    case BookMove::FirstPage: target = 0; break;
    case BookMove::LastPage: target = at.pagesCount - 1; break;
    case BookMove::None: return -1;
    }
    return at.pagesCount > 0 && !IsShown(at, mode, target) ? target : -1;
}
