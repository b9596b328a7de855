#include "model/ModelContext.h"

#include "model/BookManager.h"
#include "model/PageDisplayHost.h"
#include "base/AppServices.h"
#include "base/LumbraError.h"

Templates& ModelContext::GetTemplates() const {
    Templates* catalogue = templates ? templates : Services().templates;
    if (!catalogue)
        throw LumbraError(QStringLiteral("No template catalogue"));
    return *catalogue;
}

PageDisplayHost& ModelContext::DisplayHost() const {
    static HeadlessDisplayHost headless; // stateless
    PageDisplayHost* host = displayHost ? displayHost : Services().displayHost;
    return host ? *host : headless;
}

bool ModelContext::PageEventsSuppressed() const {
    const BookManager* books = manager ? manager : Services().books;
    return books && books->IsPageEventSuppressed();
}
