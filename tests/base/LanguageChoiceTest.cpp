#include "base/LanguageChoice.h"

#include <gtest/gtest.h>

TEST(LanguageChoice, LocaleIdPicksTheFile) {
    EXPECT_EQ(LanguageFileName(2052), "ChineseS.txt");
    EXPECT_EQ(LanguageFileName(1028), "ChineseT.txt");
    EXPECT_EQ(LanguageFileName(3076), "ChineseT.txt");
    EXPECT_EQ(LanguageFileName(5124), "ChineseT.txt");
    EXPECT_EQ(LanguageFileName(4100), "English.txt"); // Chinese, Singapore
    EXPECT_EQ(LanguageFileName(1033), "English.txt");
    EXPECT_EQ(LanguageFileName(1031), "English.txt");
    EXPECT_EQ(LanguageFileName(0), "English.txt");
}

TEST(LanguageChoice, LocaleMapsToWindowsId) {
    EXPECT_EQ(WindowsLocaleId(QLocale("zh_CN")), 2052);
    EXPECT_EQ(WindowsLocaleId(QLocale("zh_TW")), 1028);
    EXPECT_EQ(WindowsLocaleId(QLocale("zh_HK")), 3076);
    EXPECT_EQ(WindowsLocaleId(QLocale("zh_MO")), 5124);
    EXPECT_EQ(WindowsLocaleId(QLocale("zh_SG")), 4100);
    EXPECT_EQ(WindowsLocaleId(QLocale("en_US")), 1033);
    EXPECT_EQ(WindowsLocaleId(QLocale("de_DE")), 1033);
    EXPECT_EQ(WindowsLocaleId(QLocale("ug_CN")), 1033); // not Chinese, though in China
    EXPECT_EQ(WindowsLocaleId(QLocale::c()), 1033);
}

TEST(LanguageChoice, PathIsInTheProgramFolder) {
    EXPECT_EQ(LanguageFilePath("/opt/lumbra/bin", QLocale("zh_HK")),
              "/opt/lumbra/bin/ChineseT.txt");
    EXPECT_EQ(LanguageFilePath("/opt/lumbra/bin/", QLocale("fr_FR")),
              "/opt/lumbra/bin/English.txt");
}

TEST(LanguageChoice, TranslationsFollowTheLanguageFile) {
    for (const int id : {2052, 1028, 3076, 5124, 4100, 1033}) {
        const QString file = LanguageFileName(id);
        const QString expected = file == "ChineseS.txt"   ? "zh_CN"
                                 : file == "ChineseT.txt" ? "zh_TW"
                                                          : "";
        EXPECT_EQ(TranslationLanguage(id), expected) << id;
    }
}
