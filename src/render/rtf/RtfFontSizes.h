#pragma once

#include <QString>
#include <QStringView>

// Stored text-box sizes are for a text shown at a third of the print
// resolution; rendering multiplies them by this factor.
inline constexpr double kTextSizeFactor = 3.0;

// Returns a copy of `rtf` in which the value of every font-size word "\fsN"
// is multiplied by `factor` (rounded, halves to even). Only "\fs" followed by
// a digit is a size word ("\fswiss" is a font family); an escaped backslash
// ("\\fs24") is text. Everything else is copied unchanged.
QString ScaleRtfFontSizes(QStringView rtf, double factor);
