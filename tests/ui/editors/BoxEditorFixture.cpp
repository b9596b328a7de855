#include "ui/editors/BoxEditorFixture.h"

#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QFile>
#include <QTest>

BoxEditorFixture::BoxEditorFixture() : manager(books.path(), TestCatalogue(), &strings) {
    strings.ApplyLanguageLine("cUntitledBook=My Book");
    strings.ApplyLanguageLine("cTextControlDefaultFont=DejaVu Sans");
    strings.ApplyLanguageLine("cTextControlDefaultFontSize=12");
    manager.Initialize();
    view.resize(1000, 700);
}

BoxEditorFixture::~BoxEditorFixture() = default;

std::shared_ptr<Book> BoxEditorFixture::CurrentBook() const { return manager.GetBook(); }

std::shared_ptr<Page> BoxEditorFixture::PageAt(int index) const {
    return CurrentBook()->GetPage(index);
}

std::shared_ptr<PhotoImage> BoxEditorFixture::PlacePhoto(int pageIndex, int width, int height) {
    const QString source =
        sources.filePath(QStringLiteral("photo%1x%2_%3.jpg").arg(width).arg(height).arg(pageIndex));
    TestJpegs::Write(source, TestJpegs::Quadrants(width, height));
    auto photo = std::make_shared<PhotoImage>();
    photo->SetImage(source, CurrentBook()->GetBookFolder());
    EXPECT_TRUE(photo->IsSupportedFormat());
    CurrentBook()->Photos().Add(photo);
    PageAt(pageIndex)->AddPhoto(photo, 100, 100);
    EXPECT_EQ(photo->GetPage(), PageAt(pageIndex));
    return photo;
}

std::shared_ptr<Book> BoxEditorFixture::SavedBook(const QString& name) {
    CurrentBook()->WaitForSaves(); // written off the UI thread
    ModelContext context;
    context.templates = &TestCatalogue();
    auto saved = std::make_shared<Book>(books.path(), context);
    saved->SetName(name.isEmpty() ? CurrentBook()->GetName() : name);
    saved->LoadBook();
    return saved;
}

bool BoxEditorFixture::StateFileExists() const {
    CurrentBook()->WaitForSaves(); // written off the UI thread
    return QFile::exists(CurrentBook()->GetBookFolder() + QStringLiteral("book.pbx"));
}

void BoxEditorFixture::ShowView() {
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
}
