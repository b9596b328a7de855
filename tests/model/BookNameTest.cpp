#include "model/BookName.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(BookNameTest, RefusesNamesThatLeaveTheBooksFolder) {
    for (const QString& name :
         QStringList{"..", ".", "a/b", "..\\x", "/etc", "c:x", "a\nb", "tab\there", "end.", "end "})
        EXPECT_FALSE(BookName::IsSafe(name)) << name.toStdString();
    for (const QString& name : QStringList{"Trip", "Sommer 2009", "a.b", "..a", "Übung", "旅行"})
        EXPECT_TRUE(BookName::IsSafe(name)) << name.toStdString();
}

TEST(BookNameTest, TakenInAnyLetterCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Summer"));
    EXPECT_TRUE(BookName::IsTaken(dir.path(), "summer"));
    EXPECT_TRUE(BookName::IsTaken(dir.path(), "SUMMER"));
    EXPECT_FALSE(BookName::IsTaken(dir.path(), "Winter"));
    EXPECT_FALSE(BookName::IsTaken(dir.path(), "summer", "Summer")); // the book's own folder
    EXPECT_TRUE(BookName::IsTaken(dir.path(), "Book.ini"));          // reserved file
}

TEST(BookNameTest, CheckNewGivesTheMessageKey) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Trip"));
    EXPECT_EQ(BookName::CheckNew(dir.path(), ""), BookNameCheck::Required);
    EXPECT_EQ(BookName::CheckNew(dir.path(), "../x"), BookNameCheck::Invalid);
    EXPECT_EQ(BookName::CheckNew(dir.path(), "trip"), BookNameCheck::AlreadyExists);
    EXPECT_EQ(BookName::CheckNew(dir.path(), "Tour"), BookNameCheck::Accepted);
    EXPECT_EQ(BookName::MessageKey(BookNameCheck::AlreadyExists), "cBookNameAlreadyExist");
    EXPECT_EQ(BookName::MessageKey(BookNameCheck::Required), "cBookNameIsRequiredCaption");
    EXPECT_EQ(BookName::MessageKey(BookNameCheck::Accepted), QString());
}
