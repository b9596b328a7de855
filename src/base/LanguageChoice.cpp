#include "base/LanguageChoice.h"

#include <QDir>

namespace {
constexpr int kChineseChina = 2052;
constexpr int kChineseTaiwan = 1028;
constexpr int kChineseHongKong = 3076;
constexpr int kChineseMacao = 5124;
constexpr int kChineseSingapore = 4100;
constexpr int kEnglishUnitedStates = 1033;
} // namespace

int WindowsLocaleId(const QLocale& locale) {
    if (locale.language() != QLocale::Chinese)
        return kEnglishUnitedStates;
    switch (locale.territory()) {
    case QLocale::China: return kChineseChina;
    case QLocale::Taiwan: return kChineseTaiwan;
    case QLocale::HongKong: return kChineseHongKong;
    case QLocale::Macao: return kChineseMacao;
    case QLocale::Singapore: return kChineseSingapore;
    default: return kEnglishUnitedStates;
    }
}

QString LanguageFileName(int localeId) {
    switch (localeId) {
    case kChineseChina: return QStringLiteral("ChineseS.txt");
    case kChineseTaiwan:
    case kChineseHongKong:
    case kChineseMacao: return QStringLiteral("ChineseT.txt");
    default: return QStringLiteral("English.txt");
    }
}

QString TranslationLanguage(int localeId) {
    const QString file = LanguageFileName(localeId);
    if (file == QLatin1String("ChineseS.txt"))
        return QStringLiteral("zh_CN");
    if (file == QLatin1String("ChineseT.txt"))
        return QStringLiteral("zh_TW");
    return {};
}

QString LanguageFilePath(const QString& dataFolder, const QLocale& locale) {
    return QDir(dataFolder).filePath(LanguageFileName(WindowsLocaleId(locale)));
}
