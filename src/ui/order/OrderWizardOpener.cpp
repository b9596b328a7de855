#include "ui/order/OrderWizardOpener.h"

#include <QPointer>

OrderWizardCommands MakeOrderWizardCommands(QWidget* owner,
                                            std::function<OrderWizardContext()> makeContext,
                                            std::function<void()> closed) {
    auto wizard = std::make_shared<QPointer<OrderWizard>>();
    QPointer<QWidget> guard(owner);
    // The window with the book, made at the first use; null without owner or book.
    const auto prepared =
        [wizard, guard, makeContext = std::move(makeContext),
         closed = std::move(closed)](const std::shared_ptr<Book>& book) -> OrderWizard* {
        if (!guard || !book)
            return nullptr;
        if (!*wizard) {
            *wizard = new OrderWizard(makeContext(), guard);
            if (closed)
                QObject::connect(*wizard, &QDialog::finished, guard, [closed] { closed(); });
        }
        (*wizard)->SetBook(book);
        return *wizard;
    };
    return {[prepared](const std::shared_ptr<Book>& book) {
                if (OrderWizard* window = prepared(book))
                    window->Start();
            },
            [prepared](const std::shared_ptr<Book>& book, const OrderResume& order) {
                if (OrderWizard* window = prepared(book))
                    window->Resume(order.orderId, order.startIndex);
            }};
}

std::function<void(const std::shared_ptr<Book>&)>
OrderWizardOpener(QWidget* owner, std::function<OrderWizardContext()> makeContext,
                  std::function<void()> closed) {
    return MakeOrderWizardCommands(owner, std::move(makeContext), std::move(closed)).open;
}
