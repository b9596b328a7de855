#include "model/ModelContext.h"

#include "base/LumbraError.h"
#include "model/BookManager.h"
#include "model/PageDisplayHost.h"
#include "model/Templates.h"

Templates& ModelContext::GetTemplates() const {
    if (!templates)
        throw LumbraError(QStringLiteral("No template catalogue"));
    return *templates;
}

MinRatios ModelContext::PhotoMinRatios() const {
    if (!templates)
        return {};
    return {templates->GetMinXRatio(), templates->GetMinYRatio()};
}

PageDisplayHost& ModelContext::DisplayHost() const {
    static HeadlessDisplayHost headless; // stateless
    return displayHost ? *displayHost : headless;
}

bool ModelContext::PageEventsSuppressed() const {
    return manager && manager->IsPageEventSuppressed();
}
