#include "ui/backgrounds/BackgroundPaneTestSupport.h"

#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "ui/common/UiTestSupport.h"

#include <QImage>
#include <QWidget>

BackgroundPaneFixture::BackgroundPaneFixture()
    : manager(books.path(), TestCatalogue(), &strings), library(backgrounds.path(), QString()) {
    for (const char* line :
         {"cUntitledBook=Test Book", "cBgControlMenuOptionAll=All pages",
          "cBgControlMenuOptionEven=Even pages", "cBgControlMenuOptionOdd=Odd pages",
          "cDownloadDialog=Download Backgrounds"})
        strings.ApplyLanguageLine(QString::fromLatin1(line));
    manager.Initialize();
    const auto book = manager.GetBook();
    while (book->PagesCount() > 5)
        book->RemovePage(book->PagesCount() - 1);
}

UiContext BackgroundPaneFixture::SidePaneContext() {
    return {manager, strings, TestCatalogue(), library, TestRenderer(), QImage()};
}

void BackgroundPaneFixture::AddPicture(const QString& name, QColor colour, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    TestJpegs::Write(backgrounds.filePath(name + QStringLiteral("_sm.jpg")), picture);
}

void BackgroundPaneFixture::AddBackgrounds(const QStringList& names) {
    for (const QString& name : names)
        AddPicture(name);
    library.LoadBackgroundList();
}

QStringList BackgroundPaneFixture::PageBackgrounds() const {
    QStringList names;
    const auto book = manager.GetBook();
    for (int i = 0; i < book->PagesCount(); ++i)
        names << book->GetPage(i)->Background();
    return names;
}

void BackgroundPaneFixture::Paint(QWidget& widget) { widget.grab(); }
