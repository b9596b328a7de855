#include "model/BackgroundApply.h"

#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A saved five-page book whose pages all carry the background "old".
class BackgroundApplyTest : public ::testing::Test {
protected:
    BackgroundApplyTest() {
        context.templates = &TestCatalogue();
        book = std::make_unique<Book>(books.path(), context);
        book->SetName(QStringLiteral("Five"));
        while (book->PagesCount() > 5)
            book->RemovePage(book->PagesCount() - 1);
        for (int i = 0; i < 5; ++i)
            book->GetPage(i)->SetBackground(QStringLiteral("old"));
        book->SaveBook();
        for (int i = 0; i < 5; ++i)
            log.Watch(book->GetPage(i).get(), &Page::changed, QString::number(i));
        log.Watch(book.get(), &Book::saved, QStringLiteral("saved"));
    }

    // The backgrounds of the first five pages as "book.pbx" holds them.
    QStringList StoredBackgrounds() const {
        Book stored(books.path(), context);
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
    std::unique_ptr<Book> book;
    EventLog log;
};

} // namespace

TEST_F(BackgroundApplyTest, EveryPageGetsTheBackgroundInIndexOrderThenOneSave) {
    ApplyBackground(*book, QStringLiteral("leaf"), BackgroundPages::All);
    EXPECT_EQ(log.entries, QStringList({"0", "1", "2", "3", "4", "saved"}));
    const QStringList all(5, QStringLiteral("leaf"));
    EXPECT_EQ(Backgrounds(), all);
    EXPECT_EQ(StoredBackgrounds(), all);
}

TEST_F(BackgroundApplyTest, EvenPageNumbersAreTheOddIndices) {
    ApplyBackground(*book, QStringLiteral("leaf"), BackgroundPages::EvenNumbers);
    EXPECT_EQ(log.entries, QStringList({"1", "3", "saved"}));
    const QStringList expected({"old", "leaf", "old", "leaf", "old"});
    EXPECT_EQ(Backgrounds(), expected);
    EXPECT_EQ(StoredBackgrounds(), expected);
}

TEST_F(BackgroundApplyTest, OddPageNumbersAreTheEvenIndices) {
    ApplyBackground(*book, QStringLiteral("leaf"), BackgroundPages::OddNumbers);
    EXPECT_EQ(log.entries, QStringList({"0", "2", "4", "saved"}));
    const QStringList expected({"leaf", "old", "leaf", "old", "leaf"});
    EXPECT_EQ(Backgrounds(), expected);
    EXPECT_EQ(StoredBackgrounds(), expected);
}

TEST_F(BackgroundApplyTest, AFailedSaveIsReportedAndThePagesKeepTheBackground) {
    const QString stateFile = QDir(book->GetBookFolder()).filePath(QStringLiteral("book.pbx"));
    ASSERT_TRUE(QFile::remove(stateFile));
    ASSERT_TRUE(QDir().mkpath(stateFile)); // a folder where the file should go
    EXPECT_THROW(ApplyBackground(*book, QStringLiteral("leaf"), BackgroundPages::All), LumbraError);
    EXPECT_EQ(log.entries, QStringList({"0", "1", "2", "3", "4"}));
    EXPECT_EQ(Backgrounds(), QStringList(5, QStringLiteral("leaf")));
}
