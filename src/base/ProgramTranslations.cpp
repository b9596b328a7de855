#include "base/ProgramTranslations.h"

#include "base/BaseLog.h"
#include "base/LanguageChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

ProgramTranslations::~ProgramTranslations() { Remove(); }

QString ProgramTranslationFile(const QString& dataFolder, const QString& language) {
    return QDir(dataFolder).filePath(QStringLiteral("translations/lumbra_%1.qm").arg(language));
}

bool ProgramTranslations::Install(const QString& dataFolder, const QLocale& locale) {
    Remove();
    mLanguage = TranslationLanguage(WindowsLocaleId(locale));
    if (mLanguage.isEmpty())
        return true;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const bool program = mProgram.load(ProgramTranslationFile(dataFolder, mLanguage));
    const bool qt = mQt.load(QStringLiteral("qtbase_") + mLanguage, qtFolder);
    if (!program)
        qCWarning(lcBase) << "No translation" << ProgramTranslationFile(dataFolder, mLanguage);
    if (!qt)
        qCWarning(lcBase) << "No Qt translation" << mLanguage << "in" << qtFolder;
    // Installed last is asked first: the program's texts before Qt's.
    if (qt)
        QCoreApplication::installTranslator(&mQt);
    if (program)
        QCoreApplication::installTranslator(&mProgram);
    return program && qt;
}

void ProgramTranslations::Remove() {
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::removeTranslator(&mProgram);
    QCoreApplication::removeTranslator(&mQt);
}
