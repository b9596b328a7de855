#include "ui/order/OrderWizardOpener.h"

#include <QPointer>

std::function<void(const std::shared_ptr<Book>&)>
OrderWizardOpener(QWidget* owner, std::function<OrderWizardContext()> makeContext,
                  std::function<void()> closed) {
    auto wizard = std::make_shared<QPointer<OrderWizard>>();
    QPointer<QWidget> guard(owner);
    return [wizard, guard, makeContext = std::move(makeContext),
            closed = std::move(closed)](const std::shared_ptr<Book>& book) {
        if (!guard || !book)
            return;
        if (!*wizard) {
            *wizard = new OrderWizard(makeContext(), guard);
            if (closed)
                QObject::connect(*wizard, &QDialog::finished, guard, [closed] { closed(); });
        }
        (*wizard)->SetBook(book);
        (*wizard)->Start();
    };
}
