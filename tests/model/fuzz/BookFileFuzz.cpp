// "book.pbx" in a book folder that also holds photo files: the book reads
// it as it does at start (lines joined, cut at "+", each page rebuilt) and
// every page is written back.
#include "base/fuzz/FuzzFiles.h"
#include "model/Book.h"
#include "model/Page.h"
#include "model/Templates.h"
#include "model/fuzz/FuzzPhotos.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Templates catalogue;
    static const QString books = [] {
        const QString path = FuzzFolder().filePath(QStringLiteral("books"));
        QDir().mkpath(path + QLatin1String("/Fuzz"));
        WriteFuzzPhotoFiles(path + QLatin1String("/Fuzz/"));
        return path + QLatin1Char('/');
    }();
    ModelContext context;
    context.templates = &catalogue;
    Book book(books, context);
    if (!book.SetName(QStringLiteral("Fuzz")))
        std::abort();
    WriteFuzzBytes(book.GetBookFolder() + QLatin1String("book.pbx"), data, size);
    book.LoadBook();
    for (int i = 0; i < book.PagesCount(); ++i)
        (void)book.GetPage(i)->Serialize();
    (void)book.GetFirstPageWithMissingPicture();
    (void)book.GetFirstPageWithImageTooSmall();
    return 0;
}
