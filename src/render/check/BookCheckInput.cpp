#include "render/check/BookCheckInput.h"

#include "model/Book.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/Templates.h"

#include <QFileInfo>

BookCheckInput BookCheckInputOf(const Book& book, const Templates& catalogue) {
    BookCheckInput input;
    input.pageMm = QSizeF(catalogue.PageWidth(), catalogue.PageHeight());
    input.minimum = catalogue.PhotoMinRatios();
    input.pages.resize(size_t(book.PagesCount()));
    for (int p = 0; p < book.PagesCount(); ++p) {
        const Page& page = *book.GetPage(p);
        CheckedPage& checked = input.pages[size_t(p)];
        checked.scene = SnapshotPage(page);
        checked.likeness.resize(checked.scene.photoBoxes.size());
        for (size_t b = 0; b < checked.likeness.size(); ++b) {
            const auto photo = page.Photo(int(b));
            if (!photo || !photo->Record())
                continue;
            const qint64 bytes = QFileInfo(photo->GetThumbFile(ThumbType::Original)).size();
            checked.likeness[b] =
                PhotoLikeness{photo->Record()->size, photo->Record()->orientation, bytes};
        }
    }
    return input;
}
