#pragma once

#include <QLocale>
#include <QString>

// The Windows locale identifier that stands for a locale: the Chinese
// territories that choose a language file, English (1033) for all others.
int WindowsLocaleId(const QLocale& locale);

// "ChineseS.txt", "ChineseT.txt" or "English.txt" for a locale identifier.
QString LanguageFileName(int localeId);

// Full path of the language file for the locale, in the given folder.
QString LanguageFilePath(const QString& dataFolder, const QLocale& locale);

// The language of the program's translations for a locale identifier, as Qt
// names it: "zh_CN" with "ChineseS.txt", "zh_TW" with "ChineseT.txt", empty
// for English (the texts in the code).
QString TranslationLanguage(int localeId);
