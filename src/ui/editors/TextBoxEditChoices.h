#pragma once

#include <QColor>
#include <QStringList>

#include <functional>
#include <optional>

// What the text box editor offers to choose from: font names, font sizes
// and the colours of its palette.

// True for the names of the old raster system fonts, which are never offered.
bool IsExcludedFontName(const QString& name);

// The family of a font database name: "C059 [urw]" is "C059".
QString FontFamilyName(const QString& name);

// The families of `fonts` that are neither excluded nor refused by
// `isListable` (asked with the database's name), each once, with
// `defaultFont` (unless empty) whatever the system has, sorted ascending,
// case-sensitively.
QStringList ListableFontNames(const QStringList& fonts,
                              const std::function<bool(const QString&)>& isListable,
                              const QString& defaultFont = QString());

// The font list of the editor: the system's font families that scale, and
// the default font of new text.
QStringList EditorFontNames(const QString& defaultFont);

// "4", "6", "8", then "10" to "72" in steps of 2.
const QStringList& EditorFontSizes();

// The font size of a size-list text: a positive number, else nothing.
std::optional<double> ParseEditorFontSize(const QString& text);

// The palette: 4 rows of 7 colours.
inline constexpr int kPaletteRows = 4;
inline constexpr int kPaletteColumns = 7;

QColor PaletteColor(int row, int column);
