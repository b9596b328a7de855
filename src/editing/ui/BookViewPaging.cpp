#include "editing/ui/BookViewPaging.h"

bool HasNextPageAt(const BookPosition& at, int mode) {
    if (mode != 1) {
        const int lastLeft = at.pagesCount % 2 == 0 ? at.pagesCount - 1 : at.pagesCount - 2;
        return at.leftIndex < lastLeft;
    }
    return at.pageIndex < at.pagesCount - 1;
}

bool HasPreviousPageAt(const BookPosition& at, int mode) {
    return (mode != 1 ? at.leftIndex : at.pageIndex) > 0;
}

PageLabels PageLabelsAt(const BookPosition& at, int mode) {
    PageLabels labels;
    if (mode == 1) {
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

DeleteButtons DeleteButtonsAt(const BookPosition& at, int mode) {
    DeleteButtons buttons;
    if (at.minPages >= at.pagesCount)
        return buttons;
    buttons.left = mode != 1 && at.leftIndex >= 0;
    buttons.right = mode != 1 && at.rightIndex < at.pagesCount;
    buttons.one = mode == 1;
    return buttons;
}
