#include "base/LumbraError.h"
#include "base/SmallDisk.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"

#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(FullDiskBook, SaveAndNewBookFailWithAMessageAndLeaveTheBooksAsTheyWere) {
    SmallDisk disk;
    SKIP_WITHOUT(disk);
    const QString books = disk.FilePath("books");
    BookManager manager(books, TestCatalogue());
    manager.Initialize();
    const auto book = manager.GetBook();
    book->GetPage(0)->SetText(0, "before");
    book->SaveBook();
    ASSERT_TRUE(book->WaitForSaves());
    const QString state = book->GetBookFolder() + "book.pbx";
    const QByteArray saved = TestJpegs::ReadBytes(state);
    const QByteArray bookIni = TestJpegs::ReadBytes(books + "/book.ini");
    const QStringList folders = QDir(books).entryList(QDir::Dirs | QDir::NoDotAndDotDot);

    disk.LeaveFree(0);
    book->GetPage(0)->SetText(0, "after");
    QSignalSpy failed(book.get(), &Book::saveFailed);
    book->SaveBook();
    EXPECT_FALSE(book->WaitForSaves());
    ASSERT_EQ(failed.count(), 1); // the window shows it
    EXPECT_TRUE(failed.at(0).at(0).toString().contains("book.pbx"));
    EXPECT_EQ(TestJpegs::ReadBytes(state), saved);
    EXPECT_EQ(QDir(book->GetBookFolder()).entryList(QDir::Files), QStringList{"book.pbx"});

    EXPECT_THROW(manager.NewBook("Next"), LumbraError);
    EXPECT_EQ(manager.GetBook(), book);
    EXPECT_EQ(TestJpegs::ReadBytes(books + "/book.ini"), bookIni);
    EXPECT_EQ(QDir(books).entryList(QDir::Dirs | QDir::NoDotAndDotDot), folders);

    disk.FreeAll();
    book->SaveBook();
    EXPECT_TRUE(book->WaitForSaves());
    EXPECT_NE(TestJpegs::ReadBytes(state), saved);
    EXPECT_EQ(manager.NewBook("Next"), BookNameCheck::Accepted);
    EXPECT_EQ(TestJpegs::ReadBytes(books + "/book.ini"), "Next\r\n");
}
