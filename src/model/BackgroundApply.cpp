#include "model/BackgroundApply.h"

#include "model/Book.h"
#include "model/Page.h"

bool BackgroundGoesOnPage(BackgroundPages which, int index) {
    switch (which) {
    case BackgroundPages::All: return true;
    case BackgroundPages::EvenNumbers: return index % 2 == 1;
    case BackgroundPages::OddNumbers: return index % 2 == 0;
    }
    return false;
}

void SetBackgroundOnPages(Book& book, const QString& name, BackgroundPages which) {
    for (int i = 0; i < book.PagesCount(); ++i)
        if (BackgroundGoesOnPage(which, i))
            book.GetPage(i)->SetBackground(name);
}
