#include "model/TemplateNumbers.h"

#include "base/LumbraError.h"

#include <cmath>

namespace TemplateNumbers {

double Parse(QStringView field) {
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw LumbraError(QStringLiteral("\"%1\" is not a number").arg(field.trimmed()));
    return value;
}

QString Format(float value) { return QString::number(double(value), 'g', 7); }

} // namespace TemplateNumbers
