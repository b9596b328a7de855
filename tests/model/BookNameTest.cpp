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

TEST(BookNameTest, RefusesWindowsDeviceNamesInAnyCaseAndWithAnExtension) {
    for (const QString& name :
         QStringList{"CON", "con", "Prn", "aux", "NUL", "nul.txt", "con.tar.gz", "COM1", "com9",
                     "LPT1", "lpt9.doc", "CON .txt"})
        EXPECT_FALSE(BookName::IsSafe(name)) << name.toStdString();
    for (const QString& name : QStringList{"CONTENT", "console", "COM0", "COM10", "LPT", "nul_",
                                           "auxiliary.txt", "my con", "PRN2"})
        EXPECT_TRUE(BookName::IsSafe(name)) << name.toStdString();
    EXPECT_EQ(BookName::CheckNew(QDir::tempPath(), "Aux"), BookNameCheck::Invalid);
}

TEST(BookNameTest, RefusesDirectionOverridesAndZeroWidthCharacters) {
    const std::initializer_list<char16_t> hidden{
        0x202A, 0x202B, 0x202C, 0x202D, 0x202E, // embeddings and overrides
        0x2066, 0x2067, 0x2068, 0x2069,         // isolates
        0x200B, 0x200C, 0x200D, 0x2060, 0xFEFF, // zero width
    };
    for (const char16_t c : hidden) {
        for (const QString& name : {QString(QChar(c)) + "Trip", "Tr" + QString(QChar(c)) + "ip",
                                    "Trip" + QString(QChar(c)) + "gpj.exe"})
            EXPECT_FALSE(BookName::IsSafe(name)) << std::hex << int(c);
    }
    // Right-to-left text itself is a fine name.
    EXPECT_TRUE(BookName::IsSafe(QString::fromUtf8("רחוב")));
    EXPECT_TRUE(BookName::IsSafe(QString::fromUtf8("سفر 2009")));
}
