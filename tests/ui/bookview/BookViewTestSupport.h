#pragma once

#include "base/Constants.h"
#include "model/BackgroundLibrary.h"
#include "model/BookManager.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/Template.h"
#include "ui/common/UiContext.h"
#include "ui/editors/BoxEditors.h"

#include <QColor>
#include <QRect>
#include <QTemporaryDir>
#include <memory>

class Book;
class BookView;
class PageRenderer;

// A book manager over a temporary books folder with the built-in catalogue,
// empty strings and background library, and a renderer without backgrounds.
class BookViewFixture {
public:
    BookViewFixture();

    // What a book view or a page surface is made with.
    UiContext Context();

    std::shared_ptr<Book> CurrentBook() const;
    // A photo imported into the current book from a generated JPEG.
    std::shared_ptr<PhotoImage> ImportPhoto(const QString& fileName);
    // Gives the page a text (so it is not empty) and a flat thumbnail.
    static void GiveThumbnail(Page& aPage, QRgb colour);
    QString StateFile() const;
    // The current book as it was last saved, read back from its folder.
    std::shared_ptr<Book> SavedBook();

    QTemporaryDir books;
    QTemporaryDir pictures;
    QTemporaryDir backgrounds;
    RecordingHost host;
    Constants strings;
    BookManager manager;
    BackgroundLibrary library{QString(), QString()};
    std::shared_ptr<const PageRenderer> renderer;
};

// Shows the view at 1000 x 700.
void ShowBookView(BookView& view);

// Editors that note how they were called.
class FakeTextEditor : public TextBoxEditing {
public:
    bool IsInitialized() const override { return bool(mPage); }
    void Destroy() override { ++destroyed, mPage.reset(); }
    void Init(const std::shared_ptr<Page>& aPage, int index) override {
        mPage = aPage, box = index;
    }
    void SetLocationAndSize(int x, int y, int w, int h, int surface) override {
        placed = QRect(x, y, w, h), surfaceWidth = surface;
    }
    int PageId() const override { return mPage ? mPage->GetPageId() : -1; }
    std::shared_ptr<const TemplateBox> TextBox() const override {
        return mPage ? mPage->Template()->TextBox(box) : nullptr;
    }
    std::shared_ptr<Page> mPage;
    int box = -1, destroyed = 0, surfaceWidth = 0;
    QRect placed;
};

class FakePhotoEditor : public PhotoBoxEditing {
public:
    bool IsInitialized() const override { return bool(photo); }
    void Destroy() override { ++destroyed, photo.reset(); }
    void Init(const std::shared_ptr<PhotoImage>& aPhoto) override { photo = aPhoto; }
    void SetLocationAndSize(int x, int y, int w, int h) override { placed = QRect(x, y, w, h); }
    int PageId() const override {
        return photo && photo->GetPage() ? photo->GetPage()->GetPageId() : -1;
    }
    std::shared_ptr<const TemplateBox> PhotoBox() const override {
        return photo ? photo->PhotoBox() : nullptr;
    }
    std::shared_ptr<PhotoImage> photo;
    int destroyed = 0;
    QRect placed;
};
