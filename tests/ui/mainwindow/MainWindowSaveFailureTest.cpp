#include "MainWindowFixture.h"

#include "ui/bookview/BookView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTest>

namespace {

class MainWindowSaveFailureTest : public MainWindowFixture {
protected:
    // "book.pbx" becomes a folder: every save of the book fails.
    void BreakSaving() {
        const QString stateFile = QDir(CurrentBook()->GetBookFolder()).filePath("book.pbx");
        QFile::remove(stateFile);
        ASSERT_TRUE(QDir().mkpath(stateFile));
    }
    // The book is written off the UI thread; its failure comes back through the event loop.
    QMessageBox* AwaitSaveFailureBox() {
        QTest::qWaitFor([this] { return Window().SaveFailureBox() != nullptr; });
        return Window().SaveFailureBox();
    }
};

TEST_F(MainWindowSaveFailureTest, AFailedSaveWarnsOnceWithoutBlockingAndKeepsTheChange) {
    Window().show();
    books->Initialize();
    BreakSaving();
    const int pages = CurrentBook()->PagesCount();

    Actions().bookNewPage->trigger(); // returns: the warning does not block
    QMessageBox* box = AwaitSaveFailureBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), Caption("cBookSaveFailed"));
    EXPECT_FALSE(box->informativeText().isEmpty()); // what went wrong
    EXPECT_EQ(CurrentBook()->PagesCount(), pages + 1);

    // The book view's own New Page fails the same way: still one warning.
    Window().findChild<BookView*>()->AddNewPage();
    EXPECT_FALSE(CurrentBook()->WaitForSaves());
    EXPECT_EQ(CurrentBook()->PagesCount(), pages + 2);
    EXPECT_EQ(Window().findChildren<QMessageBox*>().size(), 1);

    // Once it is dismissed, the next failure warns again.
    box->accept();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Window().SaveFailureBox(), nullptr);
    Actions().bookNewPage->trigger();
    ASSERT_NE(AwaitSaveFailureBox(), nullptr);
    EXPECT_TRUE(Window().SaveFailureBox()->isVisible());
}

TEST_F(MainWindowSaveFailureTest, SavingAgainAfterTheCauseIsGoneWritesEveryChange) {
    Window().show();
    books->Initialize();
    BreakSaving();
    Actions().bookNewPage->trigger();
    EXPECT_FALSE(CurrentBook()->WaitForSaves());
    const int pages = CurrentBook()->PagesCount();
    ASSERT_TRUE(
        QDir(QDir(CurrentBook()->GetBookFolder()).filePath("book.pbx")).removeRecursively());

    Actions().bookNewPage->trigger();
    EXPECT_TRUE(CurrentBook()->WaitForSaves());
    QFile file(QDir(CurrentBook()->GetBookFolder()).filePath("book.pbx"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count('+'), pages + 1); // the page added while saving failed too
}

} // namespace
