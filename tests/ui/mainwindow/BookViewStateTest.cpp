#include "MainWindowFixture.h"

#include "ui/mainwindow/BookViewState.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

namespace {

class BookViewStateTest : public MainWindowFixture {
protected:
    MainWindow& Started() {
        Window().show();
        books->Initialize();
        QCoreApplication::processEvents(); // the page comes after the manager's first page
        return Window();
    }
    // Closes the window and starts again over the same books and store.
    MainWindow& Restarted() {
        Window().close();
        window.reset();
        books = std::make_unique<BookManager>(dir.filePath("books/"), catalogue, &strings);
        return Started();
    }
    void LoadBook(const QString& name) {
        books->LoadBook(name);
        QCoreApplication::processEvents();
    }
    BookViewState Shown() {
        BookViewState state;
        state.pageIndex = books->Session().PageIndex();
        state.pagesView = Window().GetBookView()->GetPagesView();
        state.zoomIndex = Window().GetBookView()->ZoomIndex();
        state.paneView = Window().GetSidePane()->View();
        state.pane = Window().GetSidePane()->PressedKey();
        return state;
    }
    QSettings Store() { return QSettings(dir.filePath("placement.ini"), QSettings::IniFormat); }
};

} // namespace

TEST_F(BookViewStateTest, ARestartShowsTheBookAsItWasLeft) {
    Started();
    const BookViewState first = Shown();
    for (int i = 0; i < 4; ++i)
        CurrentBook()->AddNewPage();
    CurrentBook()->SaveBook();
    CurrentBook()->WaitForSaves();
    const QByteArray bookFile = [&] {
        QFile file(CurrentBook()->GetBookFolder() + "book.pbx");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    books->Session().ShowPage(22);
    Actions().bookPageView->trigger();
    Window().GetBookView()->SetZoomIndex(3);
    Actions().viewSwitch->trigger();
    Window().GetSidePane()->ShowPane("album");
    const BookViewState left = Shown();
    ASSERT_NE(left, first);
    ASSERT_EQ(left.pageIndex, 22);

    Restarted();
    EXPECT_EQ(Shown(), left);
    EXPECT_EQ(Actions().bookPageView->text(), Caption("cMenuBookTwoPageView"));
    QFile file(CurrentBook()->GetBookFolder() + "book.pbx");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bookFile); // the view is no part of the book
}

TEST_F(BookViewStateTest, APagePastTheEndOpensTheLastPage) {
    {
        QSettings store = Store();
        BookViewState stored;
        stored.pageIndex = 57;
        WriteBookViewState(store, "Untitled", stored);
    }
    Started();
    ASSERT_EQ(CurrentBook()->GetName(), "Untitled");
    EXPECT_EQ(books->Session().PageIndex(), CurrentBook()->PagesCount() - 1);
}

TEST_F(BookViewStateTest, EachBookKeepsItsOwnView) {
    Started();
    books->Session().ShowPage(5);
    Actions().bookPageView->trigger();
    ASSERT_EQ(books->NewBook("Second"), BookNameCheck::Accepted);
    QCoreApplication::processEvents();
    const BookViewState fresh = Shown();
    EXPECT_EQ(fresh.pagesView, PagesView::TwoPages);
    books->Session().ShowPage(7);
    Window().GetSidePane()->ShowPane("backgrounds");

    LoadBook("Untitled");
    EXPECT_EQ(Shown().pageIndex, 5);
    EXPECT_EQ(Shown().pagesView, PagesView::OnePage);
    LoadBook("Second");
    EXPECT_EQ(Shown().pageIndex, 7);
    EXPECT_EQ(Shown().pagesView, PagesView::TwoPages);
    EXPECT_EQ(Shown().pane, "backgrounds");
}

TEST(BookViewStateStore, ValuesRoundTripPerNameAndUnreadableOnesKeepDefaults) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("store.ini"), QSettings::IniFormat);
    EXPECT_FALSE(ReadBookViewState(store, "Trip").has_value());
    const BookViewState trip{3, PagesView::OnePage, 5, PaneView::Column, "album"};
    WriteBookViewState(store, "Trip", trip);
    WriteBookViewState(store, "Trip/2 [x]", BookViewState{});
    EXPECT_EQ(ReadBookViewState(store, "Trip"), trip);
    EXPECT_EQ(ReadBookViewState(store, "Trip/2 [x]"), BookViewState{});
    EXPECT_FALSE(ReadBookViewState(store, "trip").has_value());

    store.setValue("Books/" + QString::fromLatin1(QByteArray("Trip").toHex()) + "/Zoom", "lots");
    EXPECT_EQ(ReadBookViewState(store, "Trip")->zoomIndex, BookViewState{}.zoomIndex);
    EXPECT_EQ(ReadBookViewState(store, "Trip")->pageIndex, 3);
}
