#pragma once

#include <QString>
#include <QStringList>

// The checks a book name passes before a folder is made or renamed for it.
enum class BookNameCheck {
    Accepted,
    Required,        // empty
    AlreadyExists,   // a book folder (or any entry) of that name exists, in any letter case
    Invalid,         // would leave the books folder or cannot be a folder name
    HiddenCharacter, // holds a character that shows nothing or turns the text (HiddenCharacters.h)
};

namespace BookName {

// The language key of the message for a refused name; empty for Accepted.
QString MessageKey(BookNameCheck check);

// False for names that hold "/", "\", ":" or control characters, equal "."
// or "..", or end in "." or " " (which some file systems drop silently);
// for device names of Windows (CON, PRN, AUX, NUL, COM1-9, LPT1-9, in any
// case, also with an extension); and for names holding a hidden character
// (IsHiddenCharacter: invisible and direction-changing characters, line and
// paragraph separators), which would make a folder that looks like another
// book's.
bool IsSafe(const QString& name);

// "U+200E" for the first hidden character of the name; empty without one.
QString HiddenCharacterIn(const QString& name);

// True when the books folder holds an entry whose name equals `name` in any
// letter case, other than `except` (compared exactly), and for "book.ini".
bool IsTaken(const QString& booksFolder, const QString& name, const QString& except = {});

// The whole check for a name that is to get a new folder.
BookNameCheck CheckNew(const QString& booksFolder, const QString& name);

} // namespace BookName
