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

// Invisible and direction-changing characters anywhere in a name; the check
// names the first one.
TEST(BookNameTest, RefusesHiddenCharactersWithTheirCode) {
    const std::initializer_list<char32_t> hidden{
        0x200E,  0x200F, 0x00AD, 0x061C, 0x2062, 0x034F, 0x180E, 0x3164,
        0x2028,  0x2029, 0x202A, 0x202B, 0x202C, 0x202D, 0x202E, // embeddings and overrides
        0x2066,  0x2067, 0x2068, 0x2069,                         // isolates
        0x200B,  0x200C, 0x200D, 0x2060, 0xFEFF,                 // zero width
        0xE0041,                                                 // a tag, outside the first plane
    };
    QTemporaryDir dir;
    for (const char32_t c : hidden) {
        const QString ch = QStringView(QChar::fromUcs4(c)).toString(); // U+FEFF kept
        for (const QString& name : {ch + "Trip", "Tr" + ch + "ip", "Trip" + ch + "gpj.exe"}) {
            EXPECT_FALSE(BookName::IsSafe(name)) << std::hex << uint(c);
            EXPECT_EQ(BookName::CheckNew(dir.path(), name), BookNameCheck::HiddenCharacter);
            EXPECT_EQ(BookName::HiddenCharacterIn(name),
                      QStringLiteral("U+") +
                          QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
        }
    }
    EXPECT_EQ(BookName::MessageKey(BookNameCheck::HiddenCharacter), "cBookNameHiddenCharacter");
    // Right-to-left text itself is a fine name.
    EXPECT_TRUE(BookName::IsSafe(QString::fromUtf8("רחוב")));
    EXPECT_TRUE(BookName::IsSafe(QString::fromUtf8("سفر 2009")));
    EXPECT_TRUE(BookName::HiddenCharacterIn(QStringLiteral("Trip")).isEmpty());
}
