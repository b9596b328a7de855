#include "ui/bookview/TemplateApply.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "ui/bookview/TemplatesPaneMath.h"
#include "ui/common/GuardedStep.h"

bool ApplyTemplateToCurrentPage(BookManager& books, const Template& aTemplate) {
    const std::shared_ptr<Book> book = books.GetBook();
    if (!book || book->PagesCount() == 0)
        return false;
    return RunGuarded("Applying a template", [&] {
        const auto page = book->GetPage(books.Session().PageIndex());
        books.Session().DropOnPage(*page, TemplatesPaneMath::DragText(aTemplate), 0, 0);
    });
}
