#pragma once

#include "base/Constants.h"
#include "model/BookManager.h"
#include "model/ModelTestSupport.h"

#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

class Book;
class PhotoImage;
class Page;

// A book manager on a temporary books folder with its untitled book open
// (20 pages of the default layout: one photo box over the whole page and a
// text box at 30, 180 mm, 230 x 25 mm), and a view to host the editors.
class BoxEditorFixture : public ::testing::Test {
protected:
    BoxEditorFixture();
    ~BoxEditorFixture() override;

    std::shared_ptr<Book> CurrentBook() const;
    std::shared_ptr<Page> PageAt(int index) const;
    // A generated photo of width x height pixels imported into the book and
    // placed in the photo box of page `pageIndex`.
    std::shared_ptr<PhotoImage> PlacePhoto(int pageIndex, int width = 1600, int height = 1200);
    // A book as it was last saved, read back from its folder (the current
    // book without a name).
    std::shared_ptr<Book> SavedBook(const QString& name = QString());
    bool StateFileExists() const;
    // Shows the view (1000 x 700) and makes it the active window, so that
    // keyboard input reaches the editors.
    void ShowView();

    QTemporaryDir books;
    QTemporaryDir sources;
    Constants strings;
    BookManager manager;
    QWidget view;
};
