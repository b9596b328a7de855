#pragma once

#include "ui/mainwindow/dialogs/Questions.h"

#include <functional>

class Book;
class BookSession;
class Constants;

// What the checks before an order need from a book.
struct OrderCheckBook {
    std::function<int()> firstPageWithMissingPicture; // -1: none
    std::function<int()> firstPageWithImageTooSmall;  // -1: none
    std::function<void(int)> showPage;
};

OrderCheckBook OrderCheckBookOf(const Book& book, BookSession& session);

// Shows the first page with an empty photo box and asks whether to fill it,
// then the first page with a photo too small for print and asks whether to
// replace it (asked even after the first answer stopped the order). True
// when the order may go on: every question asked was answered No.
bool OrderChecksPass(const OrderCheckBook& book, const Constants& strings, const AskYesNo& ask);
