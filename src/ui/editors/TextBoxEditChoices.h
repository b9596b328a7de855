#pragma once

#include <QColor>
#include <QStringList>

#include <functional>
#include <optional>

// What the text box editor offers to choose from: font names, font sizes
// and the colours of its palette.

// True for the names of the old raster system fonts, which are never offered.
bool IsExcludedFontName(const QString& name);

// The names of `fonts` that are neither excluded nor refused by `isListable`,
// sorted ascending, case-sensitively.
QStringList ListableFontNames(const QStringList& fonts,
                              const std::function<bool(const QString&)>& isListable);

// The font list of the editor: the system's font families that scale.
QStringList EditorFontNames();

// "4", "6", "8", then "10" to "72" in steps of 2.
const QStringList& EditorFontSizes();

// The font size of a size-list text: a positive number, else nothing.
std::optional<double> ParseEditorFontSize(const QString& text);

// The palette: 4 rows of 7 colours.
inline constexpr int cPaletteRows = 4;
inline constexpr int cPaletteColumns = 7;

QColor PaletteColor(int row, int column);
