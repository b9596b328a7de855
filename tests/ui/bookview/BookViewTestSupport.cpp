#include "ui/bookview/BookViewTestSupport.h"

#include "imaging/PaintSurface.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"
#include "ui/bookview/BookView.h"
#include "ui/bookview/PageView.h"
#include "ui/common/UiTestSupport.h"

#include <QFile>

BookViewFixture::BookViewFixture()
    : manager(books.path() + QLatin1Char('/'), TestCatalogue(), nullptr),
      renderer(TestRenderer(backgrounds.path() + QLatin1Char('/'))) {
    host.Follow(manager.Session());
    manager.Initialize();
}

UiContext BookViewFixture::Context() {
    return {manager, strings, TestCatalogue(), library, renderer, QImage()};
}

std::shared_ptr<Book> BookViewFixture::CurrentBook() const { return manager.GetBook(); }

std::shared_ptr<PhotoImage> BookViewFixture::ImportPhoto(const QString& fileName) {
    const QString path = pictures.filePath(fileName);
    TestJpegs::Write(path, TestJpegs::PhotoLike(640, 480));
    auto photo = std::make_shared<PhotoImage>();
    photo->SetImage(path, CurrentBook()->GetBookFolder());
    CurrentBook()->Photos().Add(photo);
    return photo;
}

void BookViewFixture::GiveThumbnail(Page& aPage, QRgb colour) {
    aPage.SetText(0, QStringLiteral("{\\rtf1 Hello}"));
    auto thumb = std::make_shared<PaintSurface>(290, 208);
    thumb->painter()->fillRect(0, 0, 290, 208, QColor(colour));
    aPage.SetThumbnail(std::move(thumb));
}

QString BookViewFixture::StateFile() const {
    CurrentBook()->WaitForSaves(); // written off the UI thread
    QFile file(CurrentBook()->GetBookFolder() + QStringLiteral("book.pbx"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

std::shared_ptr<Book> BookViewFixture::SavedBook() {
    CurrentBook()->WaitForSaves(); // written off the UI thread
    ModelContext context;
    context.templates = &TestCatalogue();
    auto saved = std::make_shared<Book>(books.path() + QLatin1Char('/'), context);
    saved->SetName(CurrentBook()->GetName());
    saved->LoadBook();
    return saved;
}

void ShowBookView(BookView& view) {
    view.resize(1000, 700);
    view.show();
}
