#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The translators of the program's own texts (tr(), "translations/lumbra_LANG.qm"
// in the data folder) and of Qt's texts (qtbase_LANG.qm: dialog buttons, file
// dialog, text field menus), in the language the locale picks the language
// file for. Installed into the application while this object lives.
class ProgramTranslations {
public:
    ProgramTranslations() = default;
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // Replaces the installed translators. English installs none. Returns
    // false when a translation of a non-English language could not be loaded
    // (the texts then stay English); a QCoreApplication must exist.
    bool Install(const QString& dataFolder, const QLocale& locale);
    // The language installed, "zh_CN" or "zh_TW"; empty for English.
    const QString& Language() const { return mLanguage; }

private:
    void Remove();

    QTranslator mProgram;
    QTranslator mQt;
    QString mLanguage;
};

// "translations/lumbra_LANG.qm" in the data folder.
QString ProgramTranslationFile(const QString& dataFolder, const QString& language);
