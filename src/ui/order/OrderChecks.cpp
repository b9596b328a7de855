#include "ui/order/OrderChecks.h"

#include "base/Constants.h"
#include "model/Book.h"
#include "model/BookSession.h"

OrderCheckBook OrderCheckBookOf(const Book& book, BookSession& session) {
    return {[&book] { return book.GetFirstPageWithMissingPicture(); },
            [&book] { return book.GetFirstPageWithImageTooSmall(); },
            [&session](int index) { session.ShowPage(index); }};
}

bool OrderChecksPass(const OrderCheckBook& book, const Constants& strings, const AskYesNo& ask) {
    bool proceed = true;
    const int missing = book.firstPageWithMissingPicture();
    if (missing != -1) {
        book.showPage(missing);
        proceed = !ask(strings.Text(u"cMissingPictureLabelCaption"),
                       strings.Text(u"cMissingPictureCaption"));
    }
    const int tooSmall = book.firstPageWithImageTooSmall();
    if (tooSmall != -1) {
        book.showPage(tooSmall);
        if (ask(strings.Text(u"cImageTooSmallLabelCaption"),
                strings.Text(u"cImageTooSmallCaption")))
            proceed = false;
    }
    return proceed;
}
