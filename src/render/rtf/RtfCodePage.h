#pragma once

#include <QByteArrayView>
#include <QString>

// Code pages of RTF documents: the ones named by "\ansicpgN" and "\cpgN",
// and the ones implied by a font's "\fcharsetN".

// The code page a font charset stands for, or 0 when the charset names none
// (ANSI, default, symbol and unknown charsets: the document's code page applies).
int CodePageForCharset(int charset);

// Decodes bytes of the given code page. Unknown code pages decode as 1252;
// invalid or incomplete sequences become U+FFFD.
QString DecodeCodePage(QByteArrayView bytes, int codePage);

// True when `byte`, standing where a character starts, is the first half of
// a double-byte character of a code page such as 932, 936 or 950 (its second
// half may be an ASCII letter, written as plain text after the "\'hh" of the
// first).
bool IsLeadByte(unsigned char byte, int codePage);
