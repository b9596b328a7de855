#include "ui/common/PaneViewChoice.h"

#include "base/Constants.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/ModelTestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct PaneViewChoiceTest : ::testing::Test {
    PaneViewChoiceTest() { strings.ApplyLanguageLine(QStringLiteral("cUntitledBook=Untitled")); }

    QTemporaryDir books;
    Constants strings;
    BookManager manager{books.path(), TestCatalogue(), &strings};
    PaneViewChoice choice{&manager};
};

} // namespace

TEST(PaneViewChoice, WithoutBooksItIsTheStrip) {
    PaneViewChoice none(nullptr);
    none.Set(PaneView::Column);
    EXPECT_EQ(none.Current(), PaneView::Strip);
    EXPECT_EQ(PaneViewOf(nullptr), PaneView::Strip);
}

TEST_F(PaneViewChoiceTest, NothingIsChosenBeforeABookIsOpen) {
    choice.Set(PaneView::Column);
    manager.Initialize();
    EXPECT_EQ(choice.Current(), PaneView::Strip);
}

TEST_F(PaneViewChoiceTest, TheChoiceLastsWhileTheBookStaysOpen) {
    manager.Initialize();
    EXPECT_EQ(choice.Current(), PaneView::Strip);
    choice.Set(PaneView::Column);
    EXPECT_EQ(choice.Current(), PaneView::Column);
    EXPECT_EQ(PaneViewOf(&choice), PaneView::Column);
    manager.GetBook()->AddNewPage();
    EXPECT_EQ(choice.Current(), PaneView::Column);
    choice.Set(PaneView::Strip);
    EXPECT_EQ(choice.Current(), PaneView::Strip);
}

TEST_F(PaneViewChoiceTest, AnotherBookAndAReopenedOneStartWithTheStrip) {
    manager.Initialize();
    const QString first = manager.GetBook()->GetName();
    choice.Set(PaneView::Column);
    ASSERT_EQ(manager.NewBook(QStringLiteral("Second")), BookNameCheck::Accepted);
    EXPECT_EQ(choice.Current(), PaneView::Strip);
    choice.Set(PaneView::Column);
    ASSERT_TRUE(manager.LoadBook(first));
    EXPECT_EQ(choice.Current(), PaneView::Strip);
    choice.Set(PaneView::Column);
    ASSERT_TRUE(manager.LoadBook(first)); // the same book, opened again
    EXPECT_EQ(choice.Current(), PaneView::Strip);
}
