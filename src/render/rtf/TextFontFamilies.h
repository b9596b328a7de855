#pragma once

#include <QString>
#include <QStringList>

// The families a text is drawn with: the one it names (when it names one),
// then fixed fallbacks for the characters that family lacks. A text thus
// looks the same whatever language the system is set to, which otherwise
// picks the fallback (Japanese or Chinese forms of the same character).
QStringList TextFontFamilies(const QString& named);
