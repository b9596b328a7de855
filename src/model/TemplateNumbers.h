#pragma once

#include <QString>
#include <QStringView>

// Numbers of the template text form: "." as decimal point, blanks and line
// breaks around a number ignored.
namespace TemplateNumbers {

// Throws LumbraError when the field is not a finite number.
double Parse(QStringView field);

// Shortest general form of a 32-bit float: at most seven significant digits,
// whole numbers without a decimal point.
QString Format(float value);

} // namespace TemplateNumbers
