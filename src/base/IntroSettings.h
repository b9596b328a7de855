#pragma once

#include <QString>

// The settings file "Brelk.ini": one line "IntroPanel=1" or "IntroPanel=0"
// that says whether the introduction panel is shown at start.

// The value of the last "IntroPanel" line of the text, "1" when there is none.
QString IntroPanelValue(const QString& text);

// True when the panel is wanted: the file is missing or unreadable, or its
// value is exactly "1".
bool IntroductionWanted(const QString& settingsPath);

// Replaces the file with "IntroPanel=1" (show) or "IntroPanel=0", CR LF ended.
// Returns false when the file could not be written.
bool WriteIntroPanelSetting(const QString& settingsPath, bool show);
