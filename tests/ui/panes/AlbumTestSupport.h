#pragma once

#include "base/Constants.h"
#include "model/ModelTestSupport.h"
#include "ui/common/PaneViewChoice.h"

#include <QSize>
#include <QTemporaryDir>
#include <memory>

class AlbumPairTile;
class AlbumPageTile;
class AlbumView;
class Book;
class BookManager;

// A books folder with an opened untitled book of 20 pages and an album
// overview on it, rendering with an empty backgrounds folder.
class AlbumFixture {
public:
    explicit AlbumFixture(QSize paneSize = QSize(1000, 161));
    ~AlbumFixture();

    Book& book() const;
    // Pages added at the end or removed from the end until there are `pages`.
    void SetPageCount(int pages) const;
    // Switches the side pane's view and lays the pane out again.
    void SetView(PaneView view, QSize paneSize);
    // Waits for the running timer pass to end.
    bool WaitForPass() const;
    // Thumbnail showing page `index` (-1 .. 100).
    AlbumPageTile* Thumb(int index) const;
    // The pairs' slot numbers in use.
    QList<int> Slots() const;
    // Imports a JPEG of flat quadrants (red top left) and places it on the page.
    void PlaceQuadrantsPhoto(int index);

    QTemporaryDir books;
    QTemporaryDir backgrounds;
    QTemporaryDir pictures;
    Constants strings;
    std::unique_ptr<BookManager> manager;
    std::unique_ptr<PaneViewChoice> views;
    std::unique_ptr<AlbumView> album;
};
