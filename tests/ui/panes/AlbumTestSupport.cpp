#include "ui/panes/AlbumTestSupport.h"

#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"
#include "ui/panes/AlbumPairTile.h"
#include "ui/panes/AlbumView.h"

#include <QCoreApplication>
#include <QSignalSpy>

AlbumFixture::AlbumFixture(QSize paneSize) {
    strings.ApplyLanguageLine(QStringLiteral("cUntitledBook=Test Book"));
    manager = std::make_unique<BookManager>(books.path(), TestCatalogue(), &strings);
    views = std::make_unique<PaneViewChoice>(manager.get());
    album = std::make_unique<AlbumView>(
        manager.get(), views.get(),
        std::make_shared<const PageRenderer>(
            backgrounds.path() + QLatin1Char('/'),
            QSizeF(TestCatalogue().PageWidth(), TestCatalogue().PageHeight())));
    album->resize(paneSize);
    album->show();
    manager->Initialize();
}

AlbumFixture::~AlbumFixture() {
    album.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Book& AlbumFixture::book() const { return *manager->GetBook(); }

void AlbumFixture::SetPageCount(int pages) const {
    while (book().PagesCount() < pages)
        book().AddNewPage();
    while (book().PagesCount() > pages)
        book().RemovePage(book().PagesCount() - 1);
}

void AlbumFixture::SetView(PaneView view, QSize paneSize) {
    views->Set(view);
    album->resize(paneSize);
    album->Relayout();
}

bool AlbumFixture::WaitForPass() const {
    if (!album->IsPassRunning())
        return true;
    QSignalSpy finished(album.get(), &AlbumView::passFinished);
    return finished.wait(30000);
}

AlbumPageTile* AlbumFixture::Thumb(int index) const {
    AlbumPairTile* pair = album->Pair((index + 1) / 2);
    if (!pair)
        return nullptr;
    return index % 2 == 0 ? pair->RightThumb() : pair->LeftThumb();
}

QList<int> AlbumFixture::Slots() const {
    QList<int> used;
    for (int c = 0; c < kAlbumPairSlots; ++c)
        if (album->Pair(c))
            used << c;
    return used;
}

void AlbumFixture::PlaceQuadrantsPhoto(int index) {
    const QString path = pictures.filePath(QStringLiteral("quadrants%1.jpg").arg(index));
    TestJpegs::Write(path, TestJpegs::Quadrants(800, 600));
    auto photo = std::make_shared<PhotoImage>();
    photo->SetImage(path, book().GetBookFolder());
    book().Photos().Add(photo);
    book().GetPage(index)->AddPhoto(photo, 100, 50);
}
