#include "model/ModelContext.h"

#include "base/LumbraError.h"
#include "model/Templates.h"

Templates& ModelContext::GetTemplates() const {
    if (!templates)
        throw LumbraError(QStringLiteral("No template catalogue"));
    return *templates;
}

MinRatios ModelContext::PhotoMinRatios() const {
    return templates ? templates->PhotoMinRatios() : MinRatios{};
}
