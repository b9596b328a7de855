#pragma once

#include "ui/order/OrderWizard.h"

#include <functional>
#include <memory>

class Book;

// An order whose upload did not finish: its id and the page index the
// service lacks first.
struct OrderResume {
    QString orderId;
    int startIndex = 0;
};

// The main window's order commands, sharing one wizard over `owner`: made at
// its first use (from `makeContext`), then reused. `open` gives it the book
// and shows it at the verification; `resume` at the cover of an unfinished
// order. `closed` runs whenever the wizard closes.
struct OrderWizardCommands {
    std::function<void(const std::shared_ptr<Book>&)> open;
    std::function<void(const std::shared_ptr<Book>&, const OrderResume&)> resume;
};
OrderWizardCommands MakeOrderWizardCommands(QWidget* owner,
                                            std::function<OrderWizardContext()> makeContext,
                                            std::function<void()> closed);

// The `open` command alone.
std::function<void(const std::shared_ptr<Book>&)>
OrderWizardOpener(QWidget* owner, std::function<OrderWizardContext()> makeContext,
                  std::function<void()> closed);
