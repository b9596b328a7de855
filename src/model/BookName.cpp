#include "model/BookName.h"

#include "base/HiddenCharacters.h"
#include "model/BookFiles.h"

#include <QDir>
#include <QRegularExpression>

namespace BookName {

QString MessageKey(BookNameCheck check) {
    switch (check) {
    case BookNameCheck::Required: return QStringLiteral("cBookNameIsRequiredCaption");
    case BookNameCheck::AlreadyExists: return QStringLiteral("cBookNameAlreadyExist");
    case BookNameCheck::Invalid: return QStringLiteral("cBookNameInvalid");
    case BookNameCheck::HiddenCharacter: return QStringLiteral("cBookNameHiddenCharacter");
    case BookNameCheck::Accepted: break;
    }
    return {};
}

namespace {

// CON, PRN, AUX, NUL, COM1-9, LPT1-9 in any case, also with an extension
// ("con.txt"): Windows opens the device instead of the folder.
bool IsDeviceName(const QString& name) {
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

} // namespace

bool IsSafe(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')) || IsDeviceName(name))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control)
            return false;
    }
    return !FirstHiddenCharacter(name);
}

QString HiddenCharacterIn(const QString& name) {
    const std::optional<char32_t> hidden = FirstHiddenCharacter(name);
    return hidden ? CodePointName(*hidden) : QString();
}

bool IsTaken(const QString& booksFolder, const QString& name, const QString& except) {
    if (name.compare(QLatin1String(BookFiles::kBookIni), Qt::CaseInsensitive) == 0)
        return true; // the books folder's own file, present or not yet
    const QStringList entries =
        QDir(booksFolder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry != except && entry.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

BookNameCheck CheckNew(const QString& booksFolder, const QString& name) {
    if (name.isEmpty())
        return BookNameCheck::Required;
    if (FirstHiddenCharacter(name))
        return BookNameCheck::HiddenCharacter;
    if (!IsSafe(name))
        return BookNameCheck::Invalid;
    if (IsTaken(booksFolder, name))
        return BookNameCheck::AlreadyExists;
    return BookNameCheck::Accepted;
}

} // namespace BookName
