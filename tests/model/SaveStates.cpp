#include "model/SaveStates.h"

#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"

#include <QTemporaryDir>

namespace SaveStates {

void Fill(Book& book, char state) {
    while (book.PagesCount() < kPages)
        book.AddNewPage();
    for (int i = 0; i < kPages; ++i)
        book.GetPage(i)->SetText(0, QStringLiteral("%1 page %2 ").arg(QLatin1Char(state)).arg(i) +
                                        QString(300, state));
}

QStringList PagesOf(const Book& book) {
    QStringList pages;
    for (int i = 0; i < book.PagesCount(); ++i)
        pages << book.GetPage(i)->Serialize();
    return pages;
}

QStringList Expected(char state) {
    QTemporaryDir books;
    Book book(books.path(), ModelContext{&TestCatalogue()});
    Fill(book, state);
    return PagesOf(book);
}

} // namespace SaveStates
