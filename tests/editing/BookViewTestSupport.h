#pragma once

#include "model/BookManager.h"
#include "model/ModelTestSupport.h"
#include "shell/AppServices.h"

#include <QColor>
#include <QTemporaryDir>
#include <memory>

class Book;
class PageRenderer;
class PhotoImage;
class page;

// A book manager over a temporary books folder with the built-in catalogue,
// a renderer without backgrounds, and the catalogue registered in Services()
// while it lives (the surfaces convert pixels to mm with it).
class BookViewFixture {
public:
    BookViewFixture();
    ~BookViewFixture();

    std::shared_ptr<Book> CurrentBook() const;
    // A photo imported into the current book from a generated JPEG.
    std::shared_ptr<PhotoImage> ImportPhoto(const QString& fileName);
    // Gives the page a text (so it is not empty) and a flat thumbnail.
    static void GiveThumbnail(page& aPage, QRgb colour);
    QString StateFile() const;

    QTemporaryDir books;
    QTemporaryDir pictures;
    QTemporaryDir backgrounds;
    RecordingHost host;
    BookManager manager;
    std::shared_ptr<const PageRenderer> renderer;

private:
    AppServices mSaved;
};
