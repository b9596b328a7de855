#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The one line of "book.pbx": every page's text form preceded by "+".
namespace BookStateFile {

// "+" before each page text; an empty text stands for an empty slot ("+" alone).
QString Join(const QStringList& pageTexts);

// Cuts the line at every "+" that stands outside "{...}" and "(...)", so a
// "+" inside a text's Base64 or a background name never splits a page. The
// piece before the first "+" is returned too (empty for a well-formed line).
QStringList Split(const QString& line);

// The file's lines joined with nothing between them; an empty first line ends
// the reading (the book then keeps its default pages). Empty when unreadable.
QString ReadJoined(const QString& path);

// The file's bytes for the line.
QByteArray Bytes(const QString& line);

// Writes the line through a temporary file; throws LumbraError on failure.
void Write(const QString& path, const QString& line);

} // namespace BookStateFile
