#include "model/BackgroundApply.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookName.h"
#include "model/BookSession.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A saved five-page book whose pages all carry the background "old", open
// in a book manager: backgrounds go on through its session, as the
// backgrounds pane sets them.
class BackgroundApplyTest : public ::testing::Test {
protected:
    BackgroundApplyTest() {
        context.templates = &TestCatalogue();
        EXPECT_EQ(manager.NewBook(QStringLiteral("Five")), BookNameCheck::Accepted);
        book = manager.GetBook();
        while (book->PagesCount() > 5)
            book->RemovePage(book->PagesCount() - 1);
        for (int i = 0; i < 5; ++i)
            book->GetPage(i)->SetBackground(QStringLiteral("old"));
        book->SaveBook();
        book->WaitForSaves();
        for (int i = 0; i < 5; ++i)
            log.Watch(book->GetPage(i).get(), &Page::changed, QString::number(i));
        log.Watch(book.get(), &Book::saved, QStringLiteral("saved"));
    }

    // One step of the session, named as the edit menu shows it.
    void Apply(BackgroundPages which) {
        manager.Session().SetBackground(QStringLiteral("leaf"), which);
        ASSERT_EQ(manager.Session().Stack().count(), 1);
        EXPECT_EQ(manager.Session().Stack().text(0), QStringLiteral("Set Background"));
    }

    // The backgrounds of the first five pages as "book.pbx" holds them.
    QStringList StoredBackgrounds() const {
        book->WaitForSaves(); // written off this thread
        Book stored(books.path() + u'/', context);
        stored.SetName(QStringLiteral("Five"));
        stored.LoadBook();
        QStringList names;
        for (int i = 0; i < 5; ++i)
            names << stored.GetPage(i)->Background();
        return names;
    }
    QStringList Backgrounds() const {
        QStringList names;
        for (int i = 0; i < book->PagesCount(); ++i)
            names << book->GetPage(i)->Background();
        return names;
    }

    QTemporaryDir books;
    ModelContext context;
    BookManager manager{books.path() + u'/', TestCatalogue()};
    std::shared_ptr<Book> book;
    EventLog log;
};

} // namespace

TEST_F(BackgroundApplyTest, EveryPageGetsTheBackgroundInIndexOrderThenOneSave) {
    Apply(BackgroundPages::All);
    EXPECT_EQ(log.entries, QStringList({"0", "1", "2", "3", "4", "saved"}));
    const QStringList all(5, QStringLiteral("leaf"));
    EXPECT_EQ(Backgrounds(), all);
    EXPECT_EQ(StoredBackgrounds(), all);
}

TEST_F(BackgroundApplyTest, EvenPageNumbersAreTheOddIndices) {
    Apply(BackgroundPages::EvenNumbers);
    EXPECT_EQ(log.entries, QStringList({"1", "3", "saved"}));
    const QStringList expected({"old", "leaf", "old", "leaf", "old"});
    EXPECT_EQ(Backgrounds(), expected);
    EXPECT_EQ(StoredBackgrounds(), expected);
}

TEST_F(BackgroundApplyTest, OddPageNumbersAreTheEvenIndices) {
    Apply(BackgroundPages::OddNumbers);
    EXPECT_EQ(log.entries, QStringList({"0", "2", "4", "saved"}));
    const QStringList expected({"leaf", "old", "leaf", "old", "leaf"});
    EXPECT_EQ(Backgrounds(), expected);
    EXPECT_EQ(StoredBackgrounds(), expected);
}

TEST_F(BackgroundApplyTest, AFailedSaveIsReportedAndThePagesKeepTheBackground) {
    const QString stateFile = QDir(book->GetBookFolder()).filePath(QStringLiteral("book.pbx"));
    ASSERT_TRUE(QFile::remove(stateFile));
    ASSERT_TRUE(QDir().mkpath(stateFile)); // a folder where the file should go
    QSignalSpy failed(book.get(), &Book::saveFailed);
    Apply(BackgroundPages::All);
    EXPECT_FALSE(book->WaitForSaves());
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(log.entries, QStringList({"0", "1", "2", "3", "4", "saved"}));
    EXPECT_EQ(Backgrounds(), QStringList(5, QStringLiteral("leaf")));
}
