#pragma once

#include "ui/order/OrderWizard.h"

#include <functional>
#include <memory>

class Book;

// The main window's order hook: makes the wizard over `owner` at its first
// use (from `makeContext`), then reuses it; gives it the book and shows it.
// `closed` runs whenever the wizard closes.
std::function<void(const std::shared_ptr<Book>&)>
OrderWizardOpener(QWidget* owner, std::function<OrderWizardContext()> makeContext,
                  std::function<void()> closed);
