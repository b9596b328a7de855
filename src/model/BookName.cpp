#include "model/BookName.h"

#include "model/BookFiles.h"

#include <QDir>
#include <QRegularExpression>

namespace BookName {

QString MessageKey(BookNameCheck check) {
    switch (check) {
    case BookNameCheck::Required: return QStringLiteral("cBookNameIsRequiredCaption");
    case BookNameCheck::AlreadyExists: return QStringLiteral("cBookNameAlreadyExist");
    case BookNameCheck::Invalid: return QStringLiteral("cBookNameInvalid");
    case BookNameCheck::Accepted: break;
    }
    return {};
}

namespace {

// Direction overrides, embeddings and isolates, and zero-width characters:
// they make a name look like another one.
bool IsHiddenFormatting(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) ||
           (c >= 0x200B && c <= 0x200D) || c == 0x2060 || c == 0xFEFF;
}

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
            c.category() == QChar::Other_Control || IsHiddenFormatting(c.unicode()))
            return false;
    }
    return true;
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
    if (!IsSafe(name))
        return BookNameCheck::Invalid;
    if (IsTaken(booksFolder, name))
        return BookNameCheck::AlreadyExists;
    return BookNameCheck::Accepted;
}

} // namespace BookName
