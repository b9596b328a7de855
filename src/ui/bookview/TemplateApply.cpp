#include "ui/bookview/TemplateApply.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/PageDrop.h"
#include "ui/bookview/TemplatesPaneMath.h"
#include "ui/common/GuardedStep.h"

#include <QCoreApplication>

bool ApplyTemplateToCurrentPage(BookManager& books, const Template& aTemplate) {
    const std::shared_ptr<Book> book = books.GetBook();
    if (!book || book->PagesCount() == 0)
        return false;
    return RunGuarded("Applying a template", [&] {
        const auto page = book->GetPage(book->GetPageIndex());
        book->NameNextStep(QCoreApplication::translate("PageView", "Change Template"));
        DropText(*book, *page, TemplatesPaneMath::DragText(aTemplate), 0, 0);
    });
}
